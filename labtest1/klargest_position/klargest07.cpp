// The k-th largest element by sorted position, with every element equal to it.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

// n - 1 passes, each over every neighbouring pair.
void bubble_sort_ascending(std::array<int, capacity>& a, int n) {
    for (int pass = 0; pass < n - 1; ++pass)
        for (int i = 0; i < n - 1; ++i)
            if (a[i] > a[i + 1]) std::swap(a[i], a[i + 1]);
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
    std::puts("Enter the elements of array");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    bubble_sort_ascending(a, n);
    std::printf("%d th largest:", k);
    const int value = a[n - k];
    for (int i = 0; i < n; ++i)
        if (a[i] == value) std::printf("%d,", a[i]);
    return 0;
}
