// The k-th largest distinct value by a rank walk over the elements sorted in
// descending order, printed once per occurrence, or "none".
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 50;
using Values = std::array<int, capacity>;

// n passes; pass p compares the pairs that start at places 0 to n - p - 2.
void bubble_sort_descending(Values& a, int n) {
    for (int pass = 0; pass < n; ++pass)
        for (int i = 0; i < n - pass - 1; ++i)
            if (a[i] < a[i + 1]) std::swap(a[i], a[i + 1]);
}

// The place of the first element whose rank is k, or -1 when no element has it.
// Place 0 has rank one; the rank grows wherever the next element is smaller.
int rank_walk(const Values& a, int n, int k) {
    int rank = 1;
    for (int i = 0; i < n; ++i) {
        if (i > 0 && a[i - 1] > a[i]) ++rank;
        if (rank == k) return i;
    }
    return -1;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::printf("\nEnter n: ");
    rt::read(" %d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("\nEnter k: ");
    rt::read(" %d", &k);
    std::printf("\nEnter array element: ");
    for (int i = 0; i < n; ++i) rt::read(" %d", &a[i]);
    bubble_sort_descending(a, n);
    std::printf("%d-th largest: ", k);
    const int place = rank_walk(a, n, k);
    if (place < 0) {
        std::printf("none ");
    } else {
        for (int i = place; i < n; ++i)
            if (a[i] == a[place]) std::printf("%d ", a[i]);
    }
    std::printf("\n");
    return 0;
}
