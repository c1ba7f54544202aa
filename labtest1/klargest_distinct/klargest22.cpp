// The k-th largest distinct value from the distinct list of the elements sorted in
// descending order, printed once for every element equal to it.
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

// Each value of the sorted elements once, largest first; returns how many there are.
int distinct_of_sorted(const std::vector<int>& a, std::vector<int>& list) {
    std::size_t r = 0;
    for (const int element : a)
        if (r == 0 || element != list[r - 1]) list[r++] = element;
    return static_cast<int>(r);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    const std::size_t size = static_cast<std::size_t>(n);
    std::vector<int> a(size);
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter elements: ");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_descending(a);
    std::vector<int> list(size);
    const int r = distinct_of_sorted(a, list);
    rt::check_range(k, 1, r, "k");
    const int value = list[static_cast<std::size_t>(k - 1)];
    std::printf("%d-th largest: ", k);
    for (const int element : a)
        if (element == value) std::printf("%d ", element);
    std::printf("\n");
    return 0;
}
