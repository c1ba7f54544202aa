// The k-th largest distinct value from the distinct list in input order, sorted in
// ascending order, printed with one ", %d" for each further occurrence.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;
using Values = std::array<int, capacity>;

// Each value once, in the order the elements first show it; returns how many.
int distinct_in_input_order(const Values& a, int n, Values& list) {
    int r = 0;
    for (int i = 0; i < n; ++i) {
        bool seen = false;
        for (int j = 0; j < r && !seen; ++j) seen = list[j] == a[i];
        if (!seen) list[r++] = a[i];
    }
    return r;
}

// Passes over neighbouring entries, swapping an entry with a smaller right-hand
// neighbour, until a pass makes no swap.
void flagged_bubble_sort_ascending(Values& list, int r) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < r; ++i)
            if (list[i + 1] < list[i]) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
    }
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    Values list{};
    std::printf("Enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("Enter k: ");
    rt::read("%d", &k);
    std::printf("Enter array element: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    const int r = distinct_in_input_order(a, n, list);
    flagged_bubble_sort_ascending(list, r);
    if (r < k || k < 1) {
        std::puts("ERROR!! Please enter a valid k less than or equal to the no. of distinct elements in the array");
        return 0;
    }
    const int value = list[r - k];
    std::printf("%d largest: %d", k, value);
    int seen = 0;
    for (int i = 0; i < n; ++i)
        if (a[i] == value && ++seen > 1) std::printf(", %d", value);
    std::printf("\n");
    return 0;
}
