// The k-th largest distinct value: the elements are sorted in descending order, that
// value is brought to place k - 1, and it is printed with its later copies.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// Compares neighbours from the first pair on; the first pair whose left element is
// smaller is swapped and the comparison starts again from the first pair. The pairs
// before the swapped one were in order and only the pair just before it can have
// changed, so starting again there makes the same swaps as starting from the first.
void restart_sort_descending(std::vector<int>& a) {
    std::size_t i = 0;
    while (i + 1 < a.size()) {
        if (a[i] < a[i + 1]) {
            std::swap(a[i], a[i + 1]);
            i = i > 0 ? i - 1 : 0;
        } else {
            ++i;
        }
    }
}

// The place where the k-th distinct value starts in the sorted elements, or -1;
// `distinct` receives the number of distinct values.
long long start_of_distinct(const std::vector<int>& a, int k, int& distinct) {
    long long found = -1;
    distinct = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (i == 0 || a[i - 1] != a[i]) {
            ++distinct;
            if (distinct == k) found = static_cast<long long>(i);
        }
    return found;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("enter array element");
    for (int& element : a) rt::read("%d", &element);
    restart_sort_descending(a);
    // With repeated values the k-th largest distinct value may sit further down: the
    // first element holding it is swapped with the element at place k - 1. Its other
    // copies stay after that place, so the print shows it once per occurrence.
    int distinct = 0;
    const long long start = start_of_distinct(a, k, distinct);
    rt::check_range(k, 1, distinct, "k");
    const std::size_t place = static_cast<std::size_t>(k - 1);
    std::swap(a[place], a[static_cast<std::size_t>(start)]);
    std::printf("%d largest:%d ", k, a[place]);
    for (std::size_t i = place + 1; i < a.size(); ++i)
        if (a[i] == a[place]) std::printf("%d ", a[i]);
    return 0;
}
