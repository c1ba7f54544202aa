// A stack of integers behind a menu whose option 4 ends the loop.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;   // n
    int count = 0;  // elements on the stack; the top is at place count - 1
};

void push(Stack& s) {
    if (s.count == s.size) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter value:");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack underflow");
        return;
    }
    --s.count;
    std::printf("removed element:%d\n", s.places[s.count]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No Data");
        return;
    }
    std::printf("Top element:%d\n", s.places[s.count - 1]);
}

}  // namespace

int main() {
    Stack s;
    std::printf("Enter the stack size n:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    for (;;) {
        std::printf("Press 1-> Push;2-> Pop;3-> Top;4-> stop loop\nEnter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        case 4: return 0;
        default: std::puts("Enter option (1-4)"); break;
        }
    }
}
