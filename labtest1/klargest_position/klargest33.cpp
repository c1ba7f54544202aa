// All elements in descending order, run together (k is asked for but not used).
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// n passes, each over every neighbouring pair.
void bubble_sort_descending(std::vector<int>& a) {
    const std::size_t n = a.size();
    for (std::size_t pass = 0; pass < n; ++pass)
        for (std::size_t i = 0; i + 1 < n; ++i)
            if (a[i] < a[i + 1]) std::swap(a[i], a[i + 1]);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("Enter k:");
    rt::read("%d", &k);
    std::printf("Enter array elements:");
    for (int& element : a) rt::read("%d", &element);
    bubble_sort_descending(a);
    for (const int element : a) std::printf("%d", element);
    return 0;
}
