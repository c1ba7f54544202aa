// The k-th largest distinct value by a walk down from the top of the elements sorted
// in ascending order, one line for each element equal to it.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place, every later element that is smaller or equal is swapped in.
void exchange_sort_ascending(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j)
            if (a[j] <= a[i]) std::swap(a[i], a[j]);
}

// Going down from the top, a rank starts at the lowest place of each value. Returns
// the place where rank k starts, or -1 when there is no rank k.
long long walk_from_top(const std::vector<int>& a, int k) {
    int rank = 0;
    for (std::size_t i = a.size(); i-- > 0;)
        if (i == 0 || a[i - 1] < a[i]) {
            ++rank;
            if (rank == k) return static_cast<long long>(i);
        }
    return -1;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::puts("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::puts("Enter k:");
    rt::read("%d", &k);
    std::puts("Enter array elements:");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_ascending(a);
    std::printf("%dth largest:", k);
    const long long place = walk_from_top(a, k);
    if (place >= 0) {
        const int value = a[static_cast<std::size_t>(place)];
        for (const int element : a)
            if (element == value) std::printf("%d\n", element);
    }
    return 0;
}
