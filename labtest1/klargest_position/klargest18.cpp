// Reads n, k and one element, and names the k-th largest of what it was given.
//
// Only one element is read, so that element is the whole data: it is the answer
// whatever k is (k is read and not used, as in the other members that cannot use it).
#include <cstdio>
#include <vector>

#include "console.hpp"

int main() {
    int n = 0;
    int k = 0;
    std::printf("enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    std::printf("enter k: ");
    rt::read("%d", &k);
    std::printf("enter array element: ");
    rt::read("%d", &a[0]);
    std::printf("kth largest: %d", a[0]);
    return 0;
}
