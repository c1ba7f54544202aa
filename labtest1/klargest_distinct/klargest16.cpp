// The k-th largest value of the elements sorted in descending order, found by
// skipping one place for every pair of equal elements among the first k places;
// shown with its neighbour when that neighbour equals it.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place, every later element that is larger or equal is swapped in.
void exchange_sort_descending(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j)
            if (a[i] <= a[j]) std::swap(a[i], a[j]);
}

// The number of pairs of places i < j, both below `below`, holding equal elements.
// Equal elements of a sorted array stand together, so the place at p adds one pair
// for each earlier place of its run.
long long pair_count(const std::vector<int>& a, std::size_t below) {
    long long pairs = 0;
    long long earlier_in_run = 0;
    for (std::size_t p = 0; p < below; ++p) {
        earlier_in_run = p > 0 && a[p - 1] == a[p] ? earlier_in_run + 1 : 0;
        pairs += earlier_in_run;
    }
    return pairs;
}

// The largest k whose skipped place k + pairs - 1 still lies among the elements; the
// pair count only grows with k, so the valid ranks are 1 to that k.
int largest_valid_k(const std::vector<int>& a) {
    int k = 0;
    long long pairs = 0;
    long long earlier_in_run = 0;
    for (std::size_t p = 0; p < a.size(); ++p) {
        earlier_in_run = p > 0 && a[p - 1] == a[p] ? earlier_in_run + 1 : 0;
        pairs += earlier_in_run;
        if (static_cast<long long>(p) + pairs >= static_cast<long long>(a.size())) break;
        k = static_cast<int>(p + 1);
    }
    return k;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::puts("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::puts("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::puts("Enter array element:");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_descending(a);
    const long long place = k + pair_count(a, static_cast<std::size_t>(k)) - 1;
    if (place >= n) rt::check_range(k, 1, largest_valid_k(a), "k");
    const std::size_t at = static_cast<std::size_t>(place);
    const int value = a[at];
    if (at + 1 < a.size() && a[at + 1] == value)
        std::printf("%d th Largest :%d, %d\n", k, value, a[at + 1]);
    else
        std::printf("%d th Largest:%d\n", k, value);
    return 0;
}
