// Reads the size and the elements of a stack, asks for one choice, carries it out and
// ends.
//
// What follows the request for a choice is this program's own: the choice is read and
// served as a correct stack would serve it, with the program's own messages. The n
// elements typed are the stack, bottom first, in its ten places; 1 pushes (asking
// "enter value", or reporting "stack overflow" when all ten places are taken), 2 pops
// and prints the element removed, 3 prints the top element; "stack underflow" and
// "no data" report an empty stack. Any other choice does nothing.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 10;

struct Stack {
    std::array<int, capacity> places{};
    int count = 0;
};

void push(Stack& s) {
    if (s.count == capacity) {
        std::puts("stack overflow");
        return;
    }
    std::puts("enter value");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("stack underflow");
        return;
    }
    --s.count;
    std::printf("%d\n", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("no data");
        return;
    }
    std::printf("%d\n", s.places[static_cast<std::size_t>(s.count - 1)]);
}

}  // namespace

int main() {
    int n = 0;
    Stack s;
    std::printf("enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 0, capacity, "n");
    std::printf("enter elements: ");
    for (int i = 0; i < n; ++i) rt::read("%d", &s.places[static_cast<std::size_t>(i)]);
    s.count = n;
    int ch = 0;
    do std::puts("enter choice ch");
    while (!rt::read_menu("%d", &ch));
    switch (ch) {
    case 1: push(s); break;
    case 2: pop(s); break;
    case 3: top(s); break;
    default: break;
    }
    return 0;
}
