// The k-th largest among the values above 0, by k sweeps of maximum search.
//
// Each sweep removes one copy of its maximum (the first of equal ones), so repeated
// values count once per copy: the result is the k-th largest by position among the
// values above 0, as in the rest of this family, and 0 when fewer are left.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// k sweeps; with k of 0 or less there is no sweep and the result is the start, 0.
// Once a sweep finds nothing above 0, every later sweep finds nothing too, so the
// sweeps stop there and a k far above n gives 0 at once.
int kth_by_sweeps(std::vector<int> a, int k) {
    int max = 0;
    for (int sweep = 0; sweep < k; ++sweep) {
        max = 0;
        std::size_t at = a.size();
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i] > max) {
                max = a[i];
                at = i;
            }
        if (at == a.size()) break;
        a[at] = 0;
    }
    return max;
}

}  // namespace

int main() {
    int n = 0;
    int k = 0;
    std::printf("enter n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("enter k:");
    rt::read("%d", &k);
    std::printf("enter array elements:");
    for (int& element : a) rt::read("%d", &element);
    std::printf("%d largest :%d", k, kth_by_sweeps(a, k));
    return 0;
}
