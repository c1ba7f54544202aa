// The k-th largest distinct value from the run counts of the elements sorted in
// descending order, printed as many times as its run is long.
#include <cstdio>
#include <utility>
#include <vector>

#include "console.hpp"

namespace {

// For each place, every later element that is larger is swapped in.
void exchange_sort_descending(std::vector<int>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j)
            if (a[i] < a[j]) std::swap(a[i], a[j]);
}

// For each place, the number of elements from there on equal to the element there;
// the first place of each run keeps its count and the other places get 0.
std::vector<int> run_counts(const std::vector<int>& a) {
    std::vector<int> counts(a.size());
    for (std::size_t j = 0; j < a.size(); ++j) {
        if (j > 0 && a[j - 1] == a[j]) continue;
        for (std::size_t i = j; i < a.size(); ++i)
            if (a[i] == a[j]) ++counts[j];
    }
    return counts;
}

// Exactly 1, 2 and 3 get st, nd and rd; th only above 3, nothing below 1.
const char* suffix(int k) {
    if (k == 1) return "st";
    if (k == 2) return "nd";
    if (k == 3) return "rd";
    return k > 3 ? "th" : "";
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
    std::printf("Enter array elements:");
    for (int& element : a) rt::read("%d", &element);
    exchange_sort_descending(a);
    const std::vector<int> counts = run_counts(a);
    std::vector<int> distinct(size);
    std::vector<int> distinct_counts(size);
    std::size_t r = 0;
    for (std::size_t j = 0; j < size; ++j)
        if (counts[j] != 0) {
            distinct[r] = a[j];
            distinct_counts[r] = counts[j];
            ++r;
        }
    rt::check_range(k, 1, static_cast<long long>(r), "k");
    const std::size_t entry = static_cast<std::size_t>(k - 1);
    std::printf("%d%s largest:", k, suffix(k));
    for (int copy = 0; copy < distinct_counts[entry]; ++copy) std::printf("%d ", distinct[entry]);
    std::printf("\n");
    return 0;
}
