// The k-th largest by position among the values above 0, found by n sweeps of maximum
// search, with a count of its copies.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 100;
using Values = std::array<int, capacity>;

// Each sweep takes the largest element above 0 (the first of equal ones; 0 when none
// is left), appends it to the list of maxima and sets that element to 0.
Values sweep_maxima(Values a, int n) {
    Values maxima{};
    for (int sweep = 0; sweep < n; ++sweep) {
        int max = 0;
        int at = -1;
        for (int i = 0; i < n; ++i)
            if (a[i] > max) {
                max = a[i];
                at = i;
            }
        maxima[sweep] = max;
        if (at >= 0) a[at] = 0;
    }
    return maxima;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    Values copy{};
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, capacity, "k");
    std::printf("Enter array elements:");
    for (int i = 0; i < n; ++i) {
        rt::read("%d", &a[i]);
        copy[i] = a[i];
    }
    const Values maxima = sweep_maxima(a, n);
    const int value = maxima[k - 1];
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (copy[i] == value) ++count;
    std::printf("%d largest=%d", k, value);
    for (int i = 1; i < count; ++i) std::printf(", %d", value);
    std::printf("\n");
    return 0;
}
