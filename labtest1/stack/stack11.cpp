// A stack of integers behind a three-line menu that never ends by itself (it ends at
// the end of input); options other than 1 to 3 are ignored.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
};

void push(Stack& s) {
    if (s.full()) {
        std::puts("Stack Overflow");
        return;
    }
    std::puts("Enter value:");
    rt::read(" %d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack Underflow!");
        return;
    }
    --s.count;
    std::printf("Removed element: %d\n", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No data!!");
        return;
    }
    std::printf("Top element: %d\n", s.places[static_cast<std::size_t>(s.count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::puts("Enter Stack Size");
    rt::read(" %d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("Press 1: Push\nPress 2: Pop\nPress 3: Top");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;
        }
    }
}
