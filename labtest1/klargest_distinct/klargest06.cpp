// The k-th largest distinct value as the k-th group from the top of the elements
// sorted in ascending order, printed once per occurrence.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place i and every place j, swap when the element at i is smaller than the
// element at j; the result is ascending.
void all_pairs_sort(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a.size(); ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

// One group per run of equal values, with its length; returns the number of groups.
int make_groups(const std::vector<int>& a, std::vector<int>& values, std::vector<int>& counts) {
    int groups = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i == 0 || a[i] != a[i - 1]) values[static_cast<std::size_t>(groups++)] = a[i];
        ++counts[static_cast<std::size_t>(groups - 1)];
    }
    return groups;
}

void print_label(int k) {
    if (k == 1) std::printf("Largest:");
    else if (k == 2) std::printf("2nd Largest:");
    else if (k == 3) std::printf("3rd Largest:");
    else if (k > 3) std::printf("%dth largest:", k);
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    const std::size_t size = static_cast<std::size_t>(n);
    std::vector<int> a(size);
    std::printf("Enter k:");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::printf("Enter array element:");
    for (int& element : a) rt::read("%d", &element);
    all_pairs_sort(a);
    std::vector<int> values(size);
    std::vector<int> counts(size);
    const int groups = make_groups(a, values, counts);
    rt::check_range(k, 1, groups, "k");
    const std::size_t group = static_cast<std::size_t>(groups - k);
    print_label(k);
    for (int copy = 0; copy < counts[group]; ++copy)
        std::printf(copy < counts[group] - 1 ? "%d," : "%d", values[group]);
    std::printf("\n");
    return 0;
}
