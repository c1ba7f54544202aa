// The product C = A·B of an m × n and an n × p integer matrix, sizes checked
// against the capacity of 10.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 10;
using Matrix = std::array<std::array<int, capacity>, capacity>;

void read_elements(Matrix& a, int rows, int cols) {
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) rt::read("%d", &a[i][j]);
}

// Each element is cleared just before its sum.
void multiply(const Matrix& a, const Matrix& b, Matrix& c, int m, int n, int p) {
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) {
            c[i][j] = 0;
            for (int k = 0; k < n; ++k) c[i][j] += a[i][k] * b[k][j];
        }
    }
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    int p = 0;
    Matrix a{};
    Matrix b{};
    Matrix c{};
    // The prompt names them m,p,n, but they are read as the rows of A, the shared
    // dimension and the columns of B.
    std::printf("enter m,p,n: \n ");
    rt::read("%d%d%d", &m, &n, &p);
    if (m > capacity || n > capacity || p > capacity) {
        std::puts("enter m,n,p not greater than 10 ");
        return 0;
    }
    // The size message covers only the upper bound; a negative size is refused.
    rt::check_range(m, 0, capacity, "m");
    rt::check_range(n, 0, capacity, "n");
    rt::check_range(p, 0, capacity, "p");
    std::printf("enter A of dim %d*%d: \n", m, n);
    read_elements(a, m, n);
    std::printf("enter B of dim %d*%d: \n", n, p);
    read_elements(b, n, p);
    multiply(a, b, c, m, n, p);
    std::puts("output: ");
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) std::printf("%d", c[i][j]);
        std::printf("\n");
    }
    return 0;
}
