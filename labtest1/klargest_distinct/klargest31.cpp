// The k-th largest distinct value from a list of one entry per run of the elements
// sorted in descending order, printed once for every element equal to it.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 20;
using Values = std::array<int, capacity>;

// For each place, every later element that is larger is swapped in.
void exchange_sort_descending(Values& a, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

// Each element that differs from the one after it, and the last element; returns
// how many entries there are.
int distinct_runs(const Values& a, int n, Values& list) {
    int r = 0;
    for (int i = 0; i < n; ++i)
        if (i == n - 1 || a[i] != a[i + 1]) list[r++] = a[i];
    return r;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    Values list{};
    std::printf("enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("enter k: ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("enter array elements: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    exchange_sort_descending(a, n);
    const int r = distinct_runs(a, n, list);
    exchange_sort_descending(list, r);
    rt::check_range(k, 1, r, "k");
    const int value = list[k - 1];
    std::printf("%d largest: ", k);
    for (int i = 0; i < n; ++i)
        if (a[i] == value) std::printf("%d ", a[i]);
    return 0;
}
