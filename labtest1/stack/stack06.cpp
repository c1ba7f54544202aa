// A stack of integers behind a menu that never ends by itself (it ends at the end of
// input); options other than 1 to 3 are ignored.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The count of elements lives for the whole run and starts at 0.
int count = 0;

// A Push on a full stack is reported with the line "stack overflow", in the wording
// of the member's other messages.
void push(std::vector<int>& places) {
    if (count == static_cast<int>(places.size())) {
        std::puts("stack overflow");
        return;
    }
    std::printf("enter value:");
    rt::read("%d", &places[static_cast<std::size_t>(count)]);
    ++count;
}

void pop(const std::vector<int>& places) {
    if (count == 0) {
        std::puts("stack underflow");
        return;
    }
    --count;
    std::printf("removed element:%d\n", places[static_cast<std::size_t>(count)]);
}

void top(const std::vector<int>& places) {
    if (count == 0) {
        std::puts("no data ");
        return;
    }
    std::printf("stack top element:%d\n", places[static_cast<std::size_t>(count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::puts("Enter the stack size value");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::vector<int> places(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("press 1-push,press 2-pop,press 3-top ");
        std::printf("Enter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(places); break;
        case 2: pop(places); break;
        case 3: top(places); break;
        default: break;
        }
    }
}
