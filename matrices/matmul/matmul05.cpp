// The product C = A·B of an m × n and an n × p integer matrix, C sized at run time.
#include <array>
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

constexpr int capacity = 10;
using Matrix = std::array<std::array<int, capacity>, capacity>;

void read_elements(Matrix& a, int rows, int cols) {
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) rt::read("%d", &a[i][j]);
}

// C holds exactly m × p elements, row by row; each is cleared just before its sum.
std::vector<int> multiply(const Matrix& a, const Matrix& b, int m, int n, int p) {
    std::vector<int> c(static_cast<std::size_t>(m * p));
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) {
            int& element = c[static_cast<std::size_t>(i * p + j)];
            element = 0;
            for (int k = 0; k < n; ++k) element += a[i][k] * b[k][j];
        }
    }
    return c;
}

}  // namespace

int main() {
    int m = 0;
    int n = 0;
    int p = 0;
    Matrix a{};
    Matrix b{};
    std::puts("Enter m,n,p in the given order");
    rt::read("%d%d%d", &m, &n, &p);
    rt::check_range(m, 0, capacity, "m");
    rt::check_range(n, 0, capacity, "n");
    rt::check_range(p, 0, capacity, "p");
    std::puts("Enter the elements of matrix A");
    read_elements(a, m, n);
    std::puts("Enter the elements of matrix B");
    read_elements(b, n, p);
    const std::vector<int> c = multiply(a, b, m, n, p);
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) std::printf("%d ", c[static_cast<std::size_t>(i * p + j)]);
        std::printf("\n");
    }
    return 0;
}
