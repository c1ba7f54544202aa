// Transpose and determinant of a square integer matrix, the determinant by recursive
// cofactor expansion along the first row.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The expansion does work that grows as n factorial: the order is bounded so that
// every run ends promptly.
constexpr int max_order = 10;

// A square matrix in one block, element (i, j) at i·n + j.
using Block = std::vector<int>;

int at(const Block& a, int n, int i, int j) { return a[static_cast<std::size_t>(i * n + j)]; }

Block transpose(const Block& a, int n) {
    Block t(a.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) t[static_cast<std::size_t>(j * n + i)] = at(a, n, i, j);
    return t;
}

void display(const Block& a, int n) {
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) std::printf("%d", at(a, n, i, j));
        std::printf("\n");
    }
}

// Copies every element outside row `row` and column `col` of the order-k source into
// dest as a compact (k−1) × (k−1) matrix.
void cofactor(const Block& source, Block& dest, int row, int col, int k) {
    std::size_t next = 0;
    for (int i = 0; i < k; ++i)
        for (int j = 0; j < k; ++j)
            if (i != row && j != col) dest[next++] = at(source, k, i, j);
}

// All in int, wrapping as int does. One block of k × k ints per call holds its
// minors in turn: each recursive result is taken before the next minor replaces it.
int determinant(const Block& a, int k) {
    if (k == 1) return a[0];
    Block minor(static_cast<std::size_t>(k > 0 ? k * k : 0));
    int sum = 0;
    int sign = 1;
    for (int i = 0; i < k; ++i) {
        cofactor(a, minor, 0, i, k);
        sum += sign * at(a, k, 0, i) * determinant(minor, k - 1);
        sign = -sign;
    }
    return sum;
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 0, max_order, "n");
    Block a(static_cast<std::size_t>(n * n));
    std::puts("Enter matrix elements:");
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) rt::read("%d", &a[static_cast<std::size_t>(i * n + j)]);
        std::printf("\n");
    }
    std::printf("The transpose is ");
    display(transpose(a, n), n);
    std::printf("determinant is = %d", determinant(a, n));
    return 0;
}
