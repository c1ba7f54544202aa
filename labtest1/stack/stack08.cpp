// A stack of integers behind a menu with no prompt of its own that never ends by
// itself (it ends at the end of input). Push reads its value before it looks at the
// stack; Pop removes the top without printing it.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int top = -1;  // place of the top element; -1 when empty

    [[nodiscard]] bool full() const { return top == static_cast<int>(places.size()) - 1; }
    [[nodiscard]] bool empty() const { return top == -1; }
};

void push(Stack& s) {
    std::puts("Enter the value ");
    int value = 0;
    rt::read("%d", &value);
    if (s.full()) {
        std::puts("Stack overflow ");  // the value is dropped
        return;
    }
    ++s.top;
    s.places[static_cast<std::size_t>(s.top)] = value;
}

void pop(Stack& s) {
    if (s.empty()) {
        std::puts("Stack underflow ");
        return;
    }
    --s.top;
}

void top(const Stack& s) {
    if (s.empty()) {
        std::puts("No Data ");
        return;
    }
    std::printf("Stack top element %d \n", s.places[static_cast<std::size_t>(s.top)]);
}

}  // namespace

int main() {
    int n = 0;
    std::puts("Enter stack size ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("PRESS 1->PUSH,2->POP,3->TOP ");
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
