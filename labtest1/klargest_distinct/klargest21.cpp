// The k-th largest distinct value as the k-th run of equal elements in descending
// order, printed once per element of the run.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 50;
using Values = std::array<int, capacity>;

// For each place, every later element that is larger is swapped in.
void exchange_sort_descending(Values& a, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

struct Run {
    int start = 0;
    int length = 0;
};

// Runs are numbered from 1 at place 0; returns the k-th (length 0 when there is
// none) and gives the number of runs.
Run run_walk(const Values& a, int n, int k, int& runs) {
    Run found;
    runs = 0;
    for (int i = 0; i < n; ++i) {
        if (i == 0 || a[i] != a[i - 1]) ++runs;
        if (runs == k) {
            if (found.length == 0) found.start = i;
            ++found.length;
        }
    }
    return found;
}

// Exactly 1, 2 and 3 get st, nd and rd; every other k gets th.
void print_label(int k) {
    if (k == 1) std::printf("%dst largest :", k);
    else if (k == 2) std::printf("%dnd largest :", k);
    else if (k == 3) std::printf("%drd largest :", k);
    else std::printf("%dth largest :", k);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter array elements:");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    exchange_sort_descending(a, n);
    int runs = 0;
    const Run run = run_walk(a, n, k, runs);
    rt::check_range(k, 1, runs, "k");
    print_label(k);
    for (int copy = 0; copy < run.length; ++copy)
        std::printf(copy < run.length - 1 ? "%d," : "%d", a[run.start]);
    std::printf("\n");
    return 0;
}
