// The k-th largest distinct value among the values above 0, by k sweeps of maximum
// search; each sweep sets every copy of its maximum to 0.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 110;
using Values = std::array<int, capacity>;

// The largest element above 0 (0 when none is left); every copy of it becomes 0.
int sweep(Values& a, int n) {
    int max = 0;
    for (int i = 0; i < n; ++i)
        if (a[i] > max) max = a[i];
    for (int i = 0; i < n; ++i)
        if (a[i] == max) a[i] = 0;
    return max;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::printf("Enter the value of n: ");
    rt::read("%d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("Enter the value of k: ");
    rt::read("%d", &k);
    for (int i = 0; i < n; ++i) {
        std::printf("Enter the a[%d] element of array: ", i);
        rt::read("%d", &a[i]);
    }
    // The sweep counter counts down to 0, so a negative k makes no sweep, as k = 0
    // does, and the value is 0. Once a sweep finds nothing above 0, every later sweep
    // would find nothing too, so the sweeps stop there with the same result.
    int max = 0;
    for (int left = k; left > 0; --left) {
        max = sweep(a, n);
        if (max == 0) break;
    }
    std::printf("%d largest: %d\n", k, max);
    return 0;
}
