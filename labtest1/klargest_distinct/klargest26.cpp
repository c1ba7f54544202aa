// The k-th largest distinct value by k sweeps of maximum search from -3000; each
// sweep deletes every copy of its maximum, and the last sweep's copies are printed.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 15;
constexpr int start = -3000;
using Values = std::array<int, capacity>;

// Deletes the element at place i by moving every later element one place down.
void delete_at(Values& a, int& n, int i) {
    for (int j = i; j + 1 < n; ++j) a[j] = a[j + 1];
    --n;
}

// The largest element above the start (the start when there is none); every copy of
// it is deleted and `copies` receives how many were.
int sweep(Values& a, int& n, int& copies) {
    int max = start;
    bool found = false;
    for (int i = 0; i < n; ++i)
        if (a[i] > max) {
            max = a[i];
            found = true;
        }
    copies = 0;
    if (!found) return max;
    for (int i = 0; i < n;) {
        if (a[i] == max) {
            delete_at(a, n, i);
            ++copies;
        } else {
            ++i;
        }
    }
    return max;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::printf("Enter n:- ");
    rt::read("%d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("Enter k:- ");
    rt::read("%d", &k);
    std::printf("Enter elements:- ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    // The sweep counter counts down to 0: k = 0 and a negative k make no sweep, and no
    // copies are counted, so only the label is printed. A sweep that finds nothing
    // leaves the elements as they were, so every later one would find nothing too.
    int max = start;
    int copies = 0;
    for (int left = k; left > 0; --left) {
        max = sweep(a, n, copies);
        if (copies == 0) break;
    }
    std::printf("%d largest:- ", k);
    for (int copy = 0; copy < copies; ++copy) std::printf("%d ", max);
    return 0;
}
