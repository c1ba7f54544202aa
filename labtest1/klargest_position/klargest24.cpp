// The k-th largest element by sorted position, elements kept at places 1 to n.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// Exchange sort in descending order over places 1 to n.
void exchange_sort_descending(std::vector<int>& a, int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::printf("\n");
    std::printf("enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("\n");
    std::vector<int> a(static_cast<std::size_t>(n) + 1);
    std::printf("enter array elements:\n");
    for (int i = 1; i <= n; ++i) rt::read("%d", &a[i]);
    exchange_sort_descending(a, n);
    std::printf("%dth largest:", k);
    const int value = a[k];
    for (int i = 1; i <= n; ++i)
        if (a[i] == value) std::printf("%d\t", a[i]);
    return 0;
}
