// The k-th largest distinct value by a walk down from the top of the elements sorted
// in ascending order, printed as many times as it occurs.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place i, every element from i on that is smaller is swapped in.
void exchange_sort_ascending(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i; j < a.size(); ++j)
            if (a[j] < a[i]) std::swap(a[i], a[j]);
}

// For every place, the number of elements equal to the element there.
std::vector<int> counts_per_place(const std::vector<int>& a) {
    std::vector<int> counts(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        for (const int element : a)
            if (element == a[i]) ++counts[i];
    return counts;
}

// Going down from the top, a rank starts at the lowest place of each value. Returns
// the place where rank k starts, or -1; `ranks` receives the number of ranks.
long long walk_from_top(const std::vector<int>& a, int k, int& ranks) {
    long long found = -1;
    int rank = 0;
    for (std::size_t i = a.size(); i-- > 0;)
        if (i == 0 || a[i - 1] < a[i]) {
            ++rank;
            if (rank == k) found = static_cast<long long>(i);
        }
    ranks = rank;
    return found;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::puts("Enter the array elements:");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_ascending(a);
    const std::vector<int> counts = counts_per_place(a);
    int ranks = 0;
    const long long place = walk_from_top(a, k, ranks);
    rt::check_range(k, 1, ranks, "k");
    const std::size_t at = static_cast<std::size_t>(place);
    std::printf("%dth largest:", k);
    for (int copy = 0; copy < counts[at]; ++copy) std::printf("%d ", a[at]);
    return 0;
}
