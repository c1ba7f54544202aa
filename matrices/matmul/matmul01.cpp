// The product C = A·B of an m × n and an n × p integer matrix.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 20;
using Matrix = std::array<std::array<int, capacity>, capacity>;

void read_rows(Matrix& a, int rows, int cols) {
    for (int i = 0; i < rows; ++i) {
        std::printf("\n");
        for (int j = 0; j < cols; ++j) rt::read("%d", &a[i][j]);
    }
}

// C is cleared as a whole, then every element sums its products in int.
void multiply(const Matrix& a, const Matrix& b, Matrix& c, int m, int n, int p) {
    for (auto& row : c) row.fill(0);
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < p; ++j)
            for (int k = 0; k < n; ++k) c[i][j] += a[i][k] * b[k][j];
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    int p = 0;
    Matrix a{};
    Matrix b{};
    Matrix c{};
    std::printf("\nEnter m,n,p: ");
    rt::read("%d%d%d", &m, &n, &p);
    rt::check_range(m, 0, capacity, "m");
    rt::check_range(n, 0, capacity, "n");
    rt::check_range(p, 0, capacity, "p");
    std::printf("\nEnter matrix A(%d*%d)(row by row): ", m, n);
    read_rows(a, m, n);
    std::printf("\nEnter matrix B(%d*%d)(row by row): ", n, p);
    read_rows(b, n, p);
    multiply(a, b, c, m, n, p);
    std::printf("\nMultiplication of A and B = C[%d][%d]: ", m, p);
    for (int i = 0; i < m; ++i) {
        std::printf("\n");
        for (int j = 0; j < p; ++j) std::printf("%d  ", c[i][j]);
    }
    return 0;
}
