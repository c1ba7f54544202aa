// A stack of integers behind a menu of Push, Pop and Top that does not end by itself
// (it ends at the end of input); options other than 1 to 3 are ignored. The stack
// keeps its own count of elements and hands them back last in, first out.
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
        std::printf("Stack Overflow");
        return;
    }
    // The prompt's "%d" was given no value to print; the prompt is shown without it.
    std::printf("Enter value:");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::printf("Stack underflow");
        return;
    }
    --s.count;
    std::printf(" Removed element:%d\n", s.places[s.count]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::printf("No Data");
        return;
    }
    std::printf("stack Top element:%d\n", s.places[s.count - 1]);
}

}  // namespace

int main() {
    Stack s;
    std::puts(" Enter the stack size:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    for (;;) {
        std::puts("Press 1->Push,2->Pop, 3->Top");
        std::puts(" Enter option:");
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
