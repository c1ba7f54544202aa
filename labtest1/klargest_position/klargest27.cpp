// The k-th largest element, labelled "nd".
//
// The selection is the k-th largest by sorted position, as in the rest of this family:
// the elements are copied to the second list, sorted there in descending order, and
// the entry at place k - 1 is printed once.
#include <array>
#include <cstdio>
#include <utility>

#include "console.hpp"

namespace {

constexpr int capacity = 100;
using Values = std::array<int, capacity>;

Values sorted_descending(const Values& a, int n) {
    Values b = a;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (b[i] < b[j]) std::swap(b[i], b[j]);
    return b;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    Values a{};
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, capacity, "n");
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    for (int i = 0; i < n; ++i) rt::read("%d", &a[i]);
    const Values b = sorted_descending(a, n);
    std::printf("%d nd largest = %d", k, b[k - 1]);
    return 0;
}
