// The elements whose dense rank is k, in input order: equal elements share a rank,
// and the gaps that repeated values leave in the ranks are closed with `ch`.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// 0 when r is 1; otherwise 1 when no rank equals r - 1 (a gap below r), else 0.
int ch(int r, int n, const std::vector<int>& ranks) {
    if (r == 1) return 0;
    for (int i = 0; i < n; ++i)
        if (ranks[static_cast<std::size_t>(i)] == r - 1) return 0;
    return 1;
}

// The rank of each element: the number of elements not smaller than it.
std::vector<int> ranks_of(const std::vector<int>& a) {
    std::vector<int> ranks(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        for (const int element : a)
            if (element >= a[i]) ++ranks[i];
    return ranks;
}

// For each place in turn, a gap below its rank lowers every rank not below it by one.
void close_gaps(std::vector<int>& ranks) {
    const int n = static_cast<int>(ranks.size());
    for (std::size_t i = 0; i < ranks.size(); ++i)
        if (ch(ranks[i], n, ranks) == 1) {
            const int from = ranks[i];
            for (int& rank : ranks)
                if (rank >= from) --rank;
        }
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("enter n : ");
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("enter k : ");
    rt::read("%d", &k);
    std::printf("enter array elements : ");
    for (int& element : a) rt::read("%d", &element);
    std::vector<int> ranks = ranks_of(a);
    close_gaps(ranks);
    std::printf("%d largest : ", k);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ranks[i] == k) std::printf("%d ", a[i]);
    return 0;
}
