// A stack of integers kept at places 1 to n; the menu runs while n is above 0, so a
// size of 0 or below ends the program at once.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;  // places 1 to n are used
    int size = 0;             // n
    int count = 0;            // elements on the stack; the top is at place count
};

void push(Stack& s) {
    if (s.count == s.size) {
        std::puts("stack overflow");
        return;
    }
    std::puts("enter value");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count) + 1]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("stack underflow");
        return;
    }
    std::printf("remove element: %d", s.places[static_cast<std::size_t>(s.count)]);
    --s.count;
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("no data");
        return;
    }
    std::printf("top element: %d\n", s.places[static_cast<std::size_t>(s.count)]);
}

}  // namespace

int main() {
    Stack s;
    std::printf("enter the stack size n: ");
    rt::read("%d", &s.size);
    if (s.size <= 0) return 0;
    rt::check_range(s.size, 1, rt::max_run_time_size, "n");
    s.places.resize(static_cast<std::size_t>(s.size) + 1);
    for (;;) {
        std::puts("press 1- push, press 2- pop, press 3- top");
        std::printf("enter the option");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;  // other options are ignored
        }
    }
}
