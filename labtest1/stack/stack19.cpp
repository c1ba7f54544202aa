// A stack of integers marked by its top index, behind a menu that ends right after an
// overflow; options other than 1 to 3 are ignored.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int top = -1;  // place of the top element; -1 when empty
};

// Returns false after the overflow message, which ends the menu.
bool push(Stack& s) {
    if (s.top == static_cast<int>(s.places.size()) - 1) {
        std::puts("stack overflow");
        return false;
    }
    std::puts("enter value");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.top) + 1]);
    ++s.top;
    return true;
}

void pop(Stack& s) {
    if (s.top == -1) {
        std::puts("stack underflow");
        return;
    }
    std::printf("removed element %d \n", s.places[static_cast<std::size_t>(s.top)]);
    --s.top;
}

void top(const Stack& s) {
    if (s.top == -1) {
        std::puts("no data");
        return;
    }
    std::printf("stack top element: %d \n", s.places[static_cast<std::size_t>(s.top)]);
}

}  // namespace

int main() {
    int n = 0;
    std::puts("enter stack size");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("press 1->push,2->pop,3->top");
        std::puts("enter option");
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
