// The product C = A·B of an m × n and an n × p integer matrix.
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

// Each element is summed in a separate int, which is reset after every store.
void multiply(const Matrix& a, const Matrix& b, Matrix& c, int m, int n, int p) {
    int sum = 0;
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) {
            for (int k = 0; k < n; ++k) sum += a[i][k] * b[k][j];
            c[i][j] = sum;
            sum = 0;
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
    std::puts("Enter number of rows and columns of first matrix");
    rt::read("%d%d", &m, &n);
    rt::check_range(m, 0, capacity, "m");
    rt::check_range(n, 0, capacity, "n");
    std::puts("Enter elements of first matrix A");
    read_elements(a, m, n);
    std::puts("Enter number of columns of second matrix B");
    rt::read("%d", &p);
    rt::check_range(p, 0, capacity, "p");
    std::puts("Enter elements of second matrix B");
    read_elements(b, n, p);
    multiply(a, b, c, m, n, p);
    std::puts("Product of the matrices C:");
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) std::printf("%d\t", c[i][j]);
        std::printf("\n");
    }
    return 0;
}
