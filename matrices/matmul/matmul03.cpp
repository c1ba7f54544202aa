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

// Each element is summed in a separate int that starts at 0, then stored.
void multiply(const Matrix& a, const Matrix& b, Matrix& c, int m, int n, int p) {
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) {
            int sum = 0;
            for (int k = 0; k < n; ++k) sum += a[i][k] * b[k][j];
            c[i][j] = sum;
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
    std::printf("Enter m,n,p : ");
    rt::read("%d %d %d", &m, &n, &p);
    rt::check_range(m, 0, capacity, "m");
    rt::check_range(n, 0, capacity, "n");
    rt::check_range(p, 0, capacity, "p");
    std::puts("Enter A : ");
    read_elements(a, m, n);
    std::puts("Enter B : ");
    read_elements(b, n, p);
    multiply(a, b, c, m, n, p);
    std::puts("Output : ");
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < p; ++j) std::printf("%d ", c[i][j]);
        std::printf("\n");
    }
    return 0;
}
