// The k-th largest distinct value from the distinct list of the elements sorted in
// descending order; n is asked for again while it is above 20.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 20;
using Values = std::array<int, capacity>;

// For each place i, every element from i on that is larger is swapped in.
void exchange_sort_descending(Values& a, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

// Each value of the sorted elements once, largest first; returns how many there are.
int distinct_of_sorted(const Values& a, int n, Values& list) {
    int r = 0;
    for (int i = 0; i < n; ++i)
        if (r == 0 || a[i] != list[r - 1]) list[r++] = a[i];
    return r;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    Values list{};
    do {
        std::printf("Enter n (less than 20):");
        rt::read("%d", &n);
        std::printf("\n");
    } while (n > capacity);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k:");
    rt::read("%d", &k);
    std::printf("\n");
    rt::check_range(k, 1, n, "k");
    std::printf("Enter array elements:");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    std::printf("\n");
    exchange_sort_descending(a, n);
    const int r = distinct_of_sorted(a, n, list);
    rt::check_range(k, 1, r, "k");
    const int value = list[k - 1];
    std::printf("%d largest:", k);
    for (int i = 0; i < n; ++i)
        if (a[i] == value) std::printf("%d, ", a[i]);
    std::printf("\n");
    return 0;
}
