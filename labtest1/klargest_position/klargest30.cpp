// The k-th largest element by sorted position, after an all-pairs sort.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 50;

// For each place i and every place j, swap when the element at i is smaller; the
// result is ascending.
void all_pairs_sort(std::array<int, capacity>& a, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::array<int, capacity> a{};
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter the array elements:");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    std::printf("%d largest:", k);
    all_pairs_sort(a, n);
    std::printf("%d", a[n - k]);
    return 0;
}
