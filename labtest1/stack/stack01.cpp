// A stack of integers behind a menu that ends at the first overflow, underflow or
// no-data message, and at any option that is not on the menu.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 10;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;   // n, the number of elements the stack holds when full
    int count = 0;  // elements on the stack; the top is at place count - 1
};

// Each operation returns whether the menu goes on.

bool push(Stack& s) {
    if (s.count == s.size) {
        std::printf("\nStack overflow");
        return false;
    }
    std::printf("\nEnter value: ");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
    return true;
}

// Pop and Top work on the element pushed last, so that the stack gives back its
// elements last in, first out.
bool pop(Stack& s) {
    if (s.count == 0) {
        std::printf("\nStack underflow");
        return false;
    }
    --s.count;
    std::printf("\nRemoved element: %d", s.places[s.count]);
    return true;
}

bool top(const Stack& s) {
    if (s.count == 0) {
        std::printf("\nNo data");
        return false;
    }
    std::printf("\nStack Top element:%d", s.places[s.count - 1]);
    return true;
}

}  // namespace

int main() {
    Stack s;
    std::printf("\nEnter Stack size:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    for (;;) {
        std::printf("\nPress 1->Push,2->Pop,3-Top\nEnter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        bool goes_on = false;
        switch (option) {
        case 1: goes_on = push(s); break;
        case 2: goes_on = pop(s); break;
        case 3: goes_on = top(s); break;
        default: break;
        }
        if (!goes_on) return 0;
    }
}
