// A stack of integers behind a one-line menu that never ends by itself (it ends at
// the end of input); options other than 1 to 3 are ignored. The stack keeps its top
// at place 0: a Push moves the elements one place up, a Pop one place down, so that
// the elements come back last in, first out.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack, at places 0 to count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
    [[nodiscard]] auto used_end() { return places.begin() + count; }
};

void push(Stack& s) {
    if (s.full()) {
        std::puts("stack overflow");
        return;
    }
    std::printf("enter value");
    int value = 0;
    rt::read("%d", &value);
    std::copy_backward(s.places.begin(), s.used_end(), s.used_end() + 1);
    s.places[0] = value;
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("stack underflow");
        return;
    }
    std::printf("removed element : %d ", s.places[0]);
    std::copy(s.places.begin() + 1, s.used_end(), s.places.begin());
    --s.count;
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("no data");
        return;
    }
    std::printf("stack top element : %d\n", s.places[0]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("enter stack size");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::printf("Press 1->Push, 2->pop,3-> Top");
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
