// The k-th largest distinct value from a walk over the elements sorted in descending
// order, printed once per occurrence after its heading.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// n - 1 passes; pass p compares the pairs that start at places 0 to n - p - 2.
void bubble_sort_descending(std::vector<int>& a) {
    const std::size_t n = a.size();
    for (std::size_t pass = 0; pass + 1 < n; ++pass)
        for (std::size_t i = 0; i + pass + 1 < n; ++i)
            if (a[i] < a[i + 1]) std::swap(a[i], a[i + 1]);
}

// The walk counts a distinct value wherever the sorted elements step down; returns
// the place where the k-th starts (meaningful only when k is within `distinct`).
std::size_t start_of_distinct(const std::vector<int>& a, int k, int& distinct) {
    std::size_t found = 0;
    distinct = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (i == 0 || a[i - 1] > a[i]) {
            ++distinct;
            if (distinct == k) found = i;
        }
    return found;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter n : ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::puts("\nEnter k : ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("\nEnter elements :\n ");
    for (int& element : a) rt::read("%d", &element);
    bubble_sort_descending(a);
    // The selected elements are all the copies of the k-th largest distinct value.
    int distinct = 0;
    const std::size_t start = start_of_distinct(a, k, distinct);
    rt::check_range(k, 1, distinct, "k");
    std::printf("R");
    std::printf("The K-th Largest Numers are : ");
    for (std::size_t i = start; i < a.size() && a[i] == a[start]; ++i) std::printf(" %d", a[i]);
    return 0;
}
