// The k-th largest distinct value by repeated search for the next lower value,
// starting from the largest element; every element equal to it is printed.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 100;
using Values = std::array<int, capacity>;

int largest(const Values& a, int n) {
    int max = a[0];
    for (int i = 1; i < n; ++i)
        if (a[i] > max) max = a[i];
    return max;
}

// The largest element below v: the first element below v is the candidate, and each
// element above the candidate and below v replaces it. False when none is below v.
bool next_lower(const Values& a, int n, int v, int& candidate) {
    bool found = false;
    for (int i = 0; i < n; ++i)
        if (a[i] < v && (!found || a[i] > candidate)) {
            candidate = a[i];
            found = true;
        }
    return found;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::puts("enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::puts("enter k: ");
    rt::read("%d", &k);
    std::puts("enter array elements: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    // For ranks 2 to k, v steps down to the next lower value; when none is below v, v
    // stays, and so it would for every later rank, so the steps stop there.
    int v = largest(a, n);
    for (int rank = 2; rank <= k; ++rank) {
        int candidate = v;
        if (!next_lower(a, n, v, candidate)) break;
        v = candidate;
    }
    std::printf(" '%d' largest= ", k);
    for (int i = 0; i < n; ++i)
        if (a[i] == v) std::printf("%d, ", a[i]);
    return 0;
}
