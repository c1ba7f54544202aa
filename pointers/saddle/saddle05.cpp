// Saddle points of both kinds, found in two passes and counted: first every strict
// row minimum that is its column's strict maximum, then every strict row maximum
// that is its column's strict minimum.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The matrix in allocated rows: M rows, each its own block of N ints.
using Matrix = std::vector<std::vector<int>>;

// No element other than the one at (r, k) in row r or column k equals it.
int is_unique(const Matrix& a, int m, int n, int r, int k) {
    int equal = 0;
    for (int i = 0; i < m; ++i)
        if (i != r && a[i][k] == a[r][k]) ++equal;
    for (int j = 0; j < n; ++j)
        if (j != k && a[r][j] == a[r][k]) ++equal;
    return equal == 0 ? 1 : 0;
}

// The column of the row's minimum (or maximum): the rightmost on ties.
int extreme_column(const std::vector<int>& row, int n, bool largest) {
    int k = 0;
    for (int j = 0; j < n; ++j)
        if (largest ? row[j] >= row[k] : row[j] <= row[k]) k = j;
    return k;
}

// The row of the column's maximum (or minimum): the last on ties.
int extreme_row(const Matrix& a, int m, int k, bool largest) {
    int r = 0;
    for (int i = 0; i < m; ++i)
        if (largest ? a[i][k] >= a[r][k] : a[i][k] <= a[r][k]) r = i;
    return r;
}

// One pass over the rows: a row's minimum against its column's maximum, or, for
// the second pass, a row's maximum against its column's minimum.
void saddle_pass(const Matrix& a, int m, int n, bool row_largest, int& count) {
    for (int i = 0; i < m; ++i) {
        const int k = extreme_column(a[i], n, row_largest);
        const int v = a[i][k];
        const int r = extreme_row(a, m, k, !row_largest);
        const int w = a[r][k];
        if (v == w && is_unique(a, m, n, r, k)) {
            ++count;
            std::printf("saddle at A[%d][%d]= %d \n", r, k, a[r][k]);
        }
    }
}

int saddle(const Matrix& a, int m, int n) {
    int count = 0;
    saddle_pass(a, m, n, false, count);
    saddle_pass(a, m, n, true, count);
    return count;
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    std::puts("enter m and n ");
    rt::read("%d%d", &m, &n);
    // Every row is scanned from its column 0, so a matrix with rows needs columns.
    rt::check_range(m, 0, rt::max_run_time_size, "m");
    rt::check_range(n, m > 0 ? 1 : 0, rt::max_run_time_size / (m > 0 ? m : 1), "n");
    Matrix a(static_cast<std::size_t>(m), std::vector<int>(static_cast<std::size_t>(n)));
    std::puts("enter A ");
    for (auto& row : a)
        for (int& element : row) rt::read("%d", &element);
    const int count = saddle(a, m, n);
    if (count == 0) std::puts("no saddlepoint found ");
    else std::printf("total number of saddlepoint = %d \n", count);
    return 0;
}
