// The k-th largest element by sorted position, printed once.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

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
    std::printf("Enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k: ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter the array: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    exchange_sort_ascending(a, n);
    std::printf("%d largest: %d\n", k, a[n - k]);
    return 0;
}
