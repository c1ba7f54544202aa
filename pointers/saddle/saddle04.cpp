// The first saddle point found: the leftmost maximum of a row that no element of its
// column lies below.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The matrix in allocated rows: M rows, each its own block of N ints.
using Matrix = std::vector<std::vector<int>>;

// The search starts every row at its column 0, so a matrix with rows needs columns.
// A matrix without rows has no saddle point.
void check_dimensions(int m, int n) {
    rt::check_range(m, 0, rt::max_run_time_size, "M");
    rt::check_range(n, m > 0 ? 1 : 0, rt::max_run_time_size / (m > 0 ? m : 1), "N");
}

Matrix allocate(int m, int n) { return Matrix(static_cast<std::size_t>(m), std::vector<int>(static_cast<std::size_t>(n))); }

void read_data(Matrix& a) {
    for (auto& row : a)
        for (int& element : row) rt::read("%d", &element);
}

// The column of the row's maximum; the leftmost one on ties.
int max_column(const std::vector<int>& row, int n) {
    int col = 0;
    for (int j = 1; j < n; ++j)
        if (row[j] > row[col]) col = j;
    return col;
}

// No element of column col lies below value.
bool column_minimum(const Matrix& a, int m, int col, int value) {
    for (int r = 0; r < m; ++r)
        if (a[r][col] < value) return false;
    return true;
}

// Prints the first row maximum that is also its column's minimum; 1 when found.
int saddle(const Matrix& a, int m, int n) {
    for (int i = 0; i < m; ++i) {
        const int col = max_column(a[i], n);
        if (column_minimum(a, m, col, a[i][col])) {
            std::printf("In the above array, a[%d][%d] = %d is saddle point \n", i, col, a[i][col]);
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    std::puts("Enter M and N : ");
    rt::read("%d%d", &m, &n);
    check_dimensions(m, n);
    Matrix a = allocate(m, n);
    std::printf("Enter the elements of matrix : \n ");
    read_data(a);
    if (saddle(a, m, n) == 0) std::puts("In the above array,no saddle point");
    return 0;
}
