// The k-th largest distinct value from a second list holding each value once, sorted
// in descending order; printed once, then once more for each further copy.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;
using Values = std::array<int, capacity>;

// Each value once, in the order the elements first show it; returns how many.
int distinct_values(const Values& a, int n, Values& list) {
    int r = 0;
    for (int i = 0; i < n; ++i) {
        bool seen = false;
        for (int j = 0; j < r && !seen; ++j) seen = list[j] == a[i];
        if (!seen) list[r++] = a[i];
    }
    return r;
}

// For each place, every later entry that is larger is swapped in.
void exchange_sort_descending(Values& list, int r) {
    for (int i = 0; i < r; ++i)
        for (int j = i + 1; j < r; ++j)
            if (list[i] < list[j]) std::swap(list[i], list[j]);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    Values list{};
    std::printf("Enter n : ");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k : ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter array element : ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    const int r = distinct_values(a, n, list);
    exchange_sort_descending(list, r);
    rt::check_range(k, 1, r, "k");
    // The selected value is the true k-th largest distinct value; each further copy
    // of it among the elements is printed with "%d ".
    const int value = list[k - 1];
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (a[i] == value) ++count;
    std::printf("%dth largest = %d ", k, value);
    for (int copy = 1; copy < count; ++copy) std::printf("%d ", value);
    std::printf("\n");
    return 0;
}
