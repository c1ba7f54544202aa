// A stack of integers behind a menu offered 4 x n times, after which the program ends;
// options other than 1 to 3 are ignored. Push, Pop and Top work as a stack does, with
// the member's own messages: Pop prints "Removed element:" and the element it removed.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 10;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;   // n
    int count = 0;  // elements on the stack; the top is at place count - 1
};

void push(Stack& s) {
    if (s.count == s.size) {
        std::printf("stack overflow");
        return;
    }
    std::printf("enter value:");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::printf("stack underflow");
        return;
    }
    --s.count;
    std::printf("Removed element:");
    std::printf("%d", s.places[s.count]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::printf("No Data");
        return;
    }
    std::printf("%d", s.places[s.count - 1]);
}

}  // namespace

int main() {
    Stack s;
    std::printf("enter stack size n:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    // A reply that is not a number is not an option and does not use up a menu.
    for (int menus = 0; menus < 4 * s.size;) {
        std::printf("Press 1->Push,Press 2->Pop,Press 3->Top");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;
        }
        ++menus;
    }
    return 0;
}
