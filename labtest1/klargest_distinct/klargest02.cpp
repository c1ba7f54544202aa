// The k-th largest distinct value from the distinct list of the elements sorted in
// descending order, printed once for every element equal to it.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 30;
using Values = std::array<int, capacity>;

// Exchange sort, descending: the candidate for place i is held aside while it meets
// every later element, and stored back after the pass.
void exchange_sort_descending(Values& a, int n) {
    for (int i = 0; i < n; ++i) {
        int candidate = a[i];
        for (int j = i + 1; j < n; ++j)
            if (candidate < a[j]) std::swap(candidate, a[j]);
        a[i] = candidate;
    }
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
    std::puts("Enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::puts("Enter k: ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter array elements: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    exchange_sort_descending(a, n);
    const int r = distinct_of_sorted(a, n, list);
    rt::check_range(k, 1, r, "k");
    const int value = list[k - 1];
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (a[i] == value) ++count;
    std::printf("%d largest element:", k);
    for (int i = 0; i < count; ++i) std::printf("%d,", value);
    return 0;
}
