// The k-th largest element by sorted position, every element equal to it, tab-separated.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

// For each place, compare with every later place; the smaller moves forward.
void exchange_sort_ascending(std::array<int, capacity>& a, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (a[j] < a[i]) std::swap(a[i], a[j]);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::array<int, capacity> a{};
    std::printf("enter the size of the array");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    std::printf("enter the required largest element");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    exchange_sort_ascending(a, n);
    const int value = a[n - k];
    for (int i = 0; i < n; ++i)
        if (a[i] == value) std::printf("%d\t ", a[i]);
    return 0;
}
