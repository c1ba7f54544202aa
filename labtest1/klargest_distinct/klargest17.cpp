// The k-th largest distinct value by k sweeps of maximum search; each sweep marks
// every copy of its maximum with a value below the search's start.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

constexpr int start = -9898788;
constexpr int removed = -9898789;

// The largest element above the start (the start itself when there is none); every
// element equal to it is marked removed, an element equal to the start included.
// `copies` receives how many were marked.
int sweep(std::vector<int>& a, int& copies) {
    int max = start;
    for (const int element : a)
        if (element > max) max = element;
    copies = 0;
    for (int& element : a)
        if (element == max) {
            element = removed;
            ++copies;
        }
    return max;
}

// The label by k % 10 alone, so 11 gets st and a negative k gets th.
void print_label(int k) {
    switch (k % 10) {
    case 1: std::printf("%dst largest:", k); break;
    case 2: std::printf("%dnd largest:", k); break;
    case 3: std::printf("%drd largest:", k); break;
    default: std::printf("%dth largest:", k); break;
    }
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
    // The sweep counter counts down to 0, so a negative k makes no sweep, as k = 0
    // does, and only the label is printed. A sweep that finds nothing leaves the
    // elements as they were, so every later sweep would find nothing too.
    int max = start;
    int copies = 0;
    for (int left = k; left > 0; --left) {
        max = sweep(a, copies);
        if (copies == 0) break;
    }
    print_label(k);
    for (int copy = 0; copy < copies; ++copy) std::printf("%d,", max);
    std::printf("\n");
    return 0;
}
