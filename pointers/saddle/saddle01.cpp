// Saddle points of a matrix: every element that is strictly the largest of its row
// and the smallest of its column, or strictly the smallest of its row and the largest
// of its column, in row-major order.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The matrix in allocated rows: M rows, each its own block of N ints.
using Matrix = std::vector<std::vector<int>>;

// No negative dimension, and no more than the collection's run-time limit of
// elements in all. A matrix without rows or columns simply has no saddle point.
void check_dimensions(int m, int n) {
    rt::check_range(m, 0, rt::max_run_time_size, "M");
    rt::check_range(n, 0, rt::max_run_time_size / (m > 0 ? m : 1), "N");
}

Matrix alloc_space(int m, int n) { return Matrix(static_cast<std::size_t>(m), std::vector<int>(static_cast<std::size_t>(n))); }

// Every other element of row i is smaller than the one at (i, j).
bool max_in_row(const Matrix& a, int i, int j, int n) {
    for (int c = 0; c < n; ++c)
        if (c != j && a[i][c] >= a[i][j]) return false;
    return true;
}

// Every other element of row i is greater than the one at (i, j).
bool min_in_row(const Matrix& a, int i, int j, int n) {
    for (int c = 0; c < n; ++c)
        if (c != j && a[i][c] <= a[i][j]) return false;
    return true;
}

// Every other element of column j is smaller than the one at (i, j).
bool max_in_col(const Matrix& a, int i, int j, int m) {
    for (int r = 0; r < m; ++r)
        if (r != i && a[r][j] >= a[i][j]) return false;
    return true;
}

// Every other element of column j is greater than the one at (i, j).
bool min_in_col(const Matrix& a, int i, int j, int m) {
    for (int r = 0; r < m; ++r)
        if (r != i && a[r][j] <= a[i][j]) return false;
    return true;
}

void saddle(const Matrix& a, int m, int n) {
    std::printf("\nIn the above array the saddle point is ");
    bool found = false;
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < n; ++j) {
            const bool passes = (max_in_row(a, i, j, n) && min_in_col(a, i, j, m)) ||
                                (min_in_row(a, i, j, n) && max_in_col(a, i, j, m));
            if (passes) {
                std::printf("a[%d][%d] = %d   ", i, j, a[i][j]);
                found = true;
            }
        }
    }
    if (!found) std::puts("none.");
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    std::printf("Enter the number rows and columns : ");
    rt::read("%d %d", &m, &n);
    check_dimensions(m, n);
    Matrix a = alloc_space(m, n);
    std::puts("Enter the elements of the matrix : ");
    for (auto& row : a)
        for (int& element : row) rt::read("%d", &element);
    saddle(a, m, n);
    return 0;
}
