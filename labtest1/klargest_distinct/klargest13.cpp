// The k-th largest distinct value as group k - 1 of the elements sorted in descending
// order, with an ordinal label; n and k are asked for again until they fit.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// n passes; pass p compares the pairs that start at places 0 to n - p - 2.
void bubble_sort_descending(std::vector<int>& a) {
    const std::size_t n = a.size();
    for (std::size_t pass = 0; pass < n; ++pass)
        for (std::size_t i = 0; i + pass + 1 < n; ++i)
            if (a[i] < a[i + 1]) std::swap(a[i], a[i + 1]);
}

// One group per run of equal values; the counts start at 0 and each element adds one
// to its own group's count.
void make_groups(const std::vector<int>& a, std::vector<int>& values, std::vector<int>& counts) {
    std::size_t group = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i > 0 && a[i] != a[i - 1]) ++group;
        values[group] = a[i];
        ++counts[group];
    }
}

// The two letters of k's ordinal: st, nd and rd for endings 1, 2 and 3 except 11,
// 12 and 13, th otherwise.
const char* suffix(int k) {
    const int last = k % 10;
    const int last_two = k % 100;
    if (last == 1 && last_two != 11) return "st";
    if (last == 2 && last_two != 12) return "nd";
    if (last == 3 && last_two != 13) return "rd";
    return "th";
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    do {
        std::printf("Enter n: ");
        rt::read("%d", &n);
    } while (n < 1);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    const std::size_t size = static_cast<std::size_t>(n);
    std::vector<int> a(size);
    do {
        std::printf("Enter k: ");
        rt::read("%d", &k);
    } while (k < 1 || k > n);
    std::printf("Enter array element: ");
    for (int& element : a) rt::read("%d", &element);
    bubble_sort_descending(a);
    std::vector<int> values(size);
    std::vector<int> counts(size);
    make_groups(a, values, counts);
    const char* letters = suffix(k);
    std::printf("%d%c%c largest: ", k, letters[0], letters[1]);
    // k is at most n, so group k - 1 exists; beyond the last real group its count is
    // 0 and nothing is printed.
    const std::size_t group = static_cast<std::size_t>(k - 1);
    for (int copy = 0; copy < counts[group]; ++copy) std::printf("%d ", values[group]);
    std::printf("\n");
    return 0;
}
