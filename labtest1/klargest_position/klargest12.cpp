// The largest element (k is asked for but not used).
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 20;

// A running maximum that starts at the first element.
int largest(const std::array<int, capacity>& a, int n) {
    int max = a[0];
    for (int i = 1; i < n; ++i)
        if (a[i] > max) max = a[i];
    return max;
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
    std::printf("Enter array elements:");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    std::printf("Largest is:%d", largest(a, n));
    return 0;
}
