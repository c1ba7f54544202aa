// A stack of integers behind a menu of Push, Pop, Top and Quit; the size is asked
// again until it lies from 0 to 1000.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 1000;

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;   // n, the number of elements the stack holds when full
    int count = 0;  // elements on the stack; the top is at place count - 1
};

// Asks for the size from the same prompt until it is from 0 to 1000.
int read_size() {
    for (;;) {
        int n = 0;
        std::printf("Enter stack size (not more than 1000): ");
        rt::read("%d", &n);
        if (n >= 0 && n <= capacity) return n;
        std::puts("Enter valid stack size.");
    }
}

void push(Stack& s) {
    if (s.count == s.size) {
        std::puts("Stack overflow.");
        return;
    }
    std::printf("Enter value: ");
    rt::read("%d", &s.places[s.count]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack underflow.");
        return;
    }
    --s.count;
    std::printf("Removed element: %d\n", s.places[s.count]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No data.");
        return;
    }
    std::printf("Stack top element: %d\n", s.places[s.count - 1]);
}

}  // namespace

int main() {
    Stack s;
    s.size = read_size();
    for (;;) {
        std::printf("Press 1->Push, 2->Pop, 3->Top, 4->Quit\nEnter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        case 4: std::puts("Bye!"); return 0;
        default: std::puts("Enter valid option."); break;
        }
    }
}
