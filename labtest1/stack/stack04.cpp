// A stack of integers filled from the last place down: the top index starts at n - 1
// and the top element sits just above it. An option outside 1 to 3 ends the program.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int free = 0;  // the place the next Push fills; n - 1 when empty, below 0 when full

    [[nodiscard]] bool full() const { return free < 0; }
    [[nodiscard]] bool empty() const { return free == static_cast<int>(places.size()) - 1; }
    [[nodiscard]] int top_element() const { return places[static_cast<std::size_t>(free) + 1]; }
};

void push(Stack& s) {
    if (s.full()) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter  value: ");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.free)]);
    --s.free;
}

void pop(Stack& s) {
    if (s.empty()) {
        std::puts("Stack Underflow");
        return;
    }
    std::printf("Removed element: %d\n", s.top_element());
    ++s.free;
}

void top(const Stack& s) {
    if (s.empty()) {
        std::puts("No Data");
        return;
    }
    std::printf("Stack Top element: %d\n", s.top_element());
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter Stack size n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    s.free = n - 1;
    for (;;) {
        std::puts("PRESS 1 -> Push, 2-> Pop, 3-> Top");
        std::printf("Enter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: return 0;
        }
    }
}
