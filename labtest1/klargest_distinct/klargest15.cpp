// The k-th largest distinct value by rank placement: each element is written to the
// place its rank names, and the value is picked from the top of that arrangement.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The rank of each element: the number of elements not greater than it.
std::vector<int> ranks_of(const std::vector<int>& a) {
    std::vector<int> ranks(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        for (const int element : a)
            if (element <= a[i]) ++ranks[i];
    return ranks;
}

// Element i goes to place rank - 1. Equal elements share their group's highest place
// and leave the places below it unwritten; those places are filled from the place
// above them, so that the arrangement holds every element, in ascending order, and
// no place is ever read unwritten.
std::vector<int> rank_placement(const std::vector<int>& a, const std::vector<int>& ranks) {
    std::vector<int> arrangement(a.size());
    std::vector<bool> written(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t place = static_cast<std::size_t>(ranks[i] - 1);
        arrangement[place] = a[i];
        written[place] = true;
    }
    for (std::size_t place = a.size() - 1; place-- > 0;)
        if (!written[place]) arrangement[place] = arrangement[place + 1];
    return arrangement;
}

// The k-th distinct value from the top of the arrangement; `distinct` receives the
// number of distinct values and the result is meaningful only when k is within it.
int kth_from_top(const std::vector<int>& arrangement, int k, int& distinct) {
    int value = 0;
    distinct = 0;
    for (std::size_t place = arrangement.size(); place-- > 0;)
        if (place + 1 == arrangement.size() || arrangement[place] < arrangement[place + 1]) {
            ++distinct;
            if (distinct == k) value = arrangement[place];
        }
    return value;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::puts("Enter n ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::puts("Enter k ");
    rt::read("%d", &k);
    rt::check_range(k, 1, n, "k");
    std::puts("Enter array element ");
    for (int& element : a) rt::read("%d", &element);
    const std::vector<int> arrangement = rank_placement(a, ranks_of(a));
    // The selected value is the true k-th largest distinct value; every element of the
    // arrangement equal to it is printed, so it shows once per occurrence.
    int distinct = 0;
    const int value = kth_from_top(arrangement, k, distinct);
    rt::check_range(k, 1, distinct, "k");
    std::printf("%d largest no.", k);
    for (const int element : arrangement)
        if (element == value) std::printf("%d ", element);
    return 0;
}
