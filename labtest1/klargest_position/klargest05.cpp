// Reads n, k and the elements; computes and prints no result.
#include <cstdio>
#include <vector>

#include "console.hpp"

int main() {
    int n = 0;
    int k = 0;
    std::printf("Enter the value of n and k:");
    rt::read("%d%d", &n, &k);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    std::vector<int> a(static_cast<std::size_t>(n));
    for (int& element : a) {
        std::printf("Enter array elements:");
        rt::read("%d", &element);
    }
    return 0;
}
