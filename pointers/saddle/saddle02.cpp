// Reads a matrix into one allocated block, row by row, and ends: no search is made.
#include <cstdio>
#include <vector>

#include "console.hpp"

int main() {
    int m = 0;
    int n = 0;
    std::puts("Enter size of 2D array:");
    rt::read(" %d %d", &m, &n);
    // No negative dimension, and no more than the run-time limit of elements in all.
    rt::check_range(m, 0, rt::max_run_time_size, "M");
    rt::check_range(n, 0, rt::max_run_time_size / (m > 0 ? m : 1), "N");
    // One block of M·N ints, element (i, j) at i·N + j.
    std::vector<int> a(static_cast<std::size_t>(m * n));
    std::puts("Enter elements row wise");
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j) rt::read(" %d", &a[static_cast<std::size_t>(i * n + j)]);
    return 0;
}
