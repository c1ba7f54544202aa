// The k-th largest distinct value by a rank walk over the elements sorted in
// descending order, printed once per occurrence.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place, every later element that is larger is swapped in.
void exchange_sort_descending(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

// The first element whose rank is k, or -1; `ranks` receives the highest rank.
// Place 0 has rank one; the rank grows wherever the next element is smaller.
long long rank_walk(const std::vector<int>& a, int k, int& ranks) {
    long long found = -1;
    int rank = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i == 0 || a[i - 1] > a[i]) ++rank;
        if (rank == k && found < 0) found = static_cast<long long>(i);
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
    std::printf("Enter array elements:");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_descending(a);
    int ranks = 0;
    const long long place = rank_walk(a, k, ranks);
    rt::check_range(k, 1, ranks, "k");
    const int value = a[static_cast<std::size_t>(place)];
    std::vector<int> copies;
    copies.reserve(a.size());
    for (const int element : a)
        if (element == value) copies.push_back(element);
    std::printf("%d largest = ", k);
    for (const int copy : copies) std::printf("%d, ", copy);
    return 0;
}
