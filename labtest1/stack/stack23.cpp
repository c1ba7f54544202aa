// A stack of integers in 50 places that start at 0, behind a menu that ends right
// after an overflow; options other than 1 to 3 are ignored.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 50;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;   // n
    int count = 0;  // elements on the stack; the top is at place count - 1
};

// Returns false after the overflow message, which ends the menu.
bool push(Stack& s) {
    if (s.count == s.size) {
        std::puts("stack overflow");
        return false;
    }
    std::printf("Enter value");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
    return true;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack Underflow");
        return;
    }
    --s.count;
    std::printf("Removed element:%d\n", s.places[s.count]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No data");
        return;
    }
    std::printf("Stack top element:%d\n", s.places[s.count - 1]);
}

}  // namespace

int main() {
    Stack s;
    std::printf("Enter Stack size n:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity, "n");
    for (;;) {
        std::printf("Press 1->Push,2->Pop,3->Top\nEnter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1:
            if (!push(s)) return 0;
            break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;
        }
    }
}
