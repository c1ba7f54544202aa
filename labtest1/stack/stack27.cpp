// A stack of integers marked by its top index; any option other than 1 to 3 ends the
// menu.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;  // n
    int top = -1;  // place of the top element; -1 when empty
};

void push(Stack& s) {
    if (s.top == s.size - 1) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter value : ");
    rt::read("%d", &s.places[s.top + 1]);
    ++s.top;
}

void pop(Stack& s) {
    if (s.top == -1) {
        std::puts("Stack Underflow");
        return;
    }
    std::printf("Removed element : %d\n", s.places[s.top]);
    --s.top;
}

void top(const Stack& s) {
    if (s.top == -1) {
        std::puts("No Data");
        return;
    }
    std::printf("Stack Top Element : %d\n", s.places[s.top]);
}

}  // namespace

int main() {
    Stack s;
    std::printf("Enter Stack size : ");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    for (;;) {
        std::printf("Press 1-> Push, 2-> Pop, 3-> Top\nEnter option : ");
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
