// A stack of integers marked by its top index; the size is read again, without a
// prompt, until it is above 0, and option 4 ends the menu.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int top = -1;  // place of the top element; -1 when empty
};

int read_size() {
    int n = 0;
    std::printf("Enter Stack size n: ");
    do rt::read("%d", &n);
    while (n <= 0);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    return n;
}

void push(Stack& s) {
    if (s.top == static_cast<int>(s.places.size()) - 1) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter value: ");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.top) + 1]);
    ++s.top;
}

void pop(Stack& s) {
    if (s.top == -1) {
        std::puts("Stack Underflow");
        return;
    }
    std::printf("Removed Element: %d\n", s.places[static_cast<std::size_t>(s.top)]);
    --s.top;
}

void top(const Stack& s) {
    if (s.top == -1) {
        std::puts("No Data");
        return;
    }
    std::printf("Stack Top Element: %d\n", s.places[static_cast<std::size_t>(s.top)]);
}

}  // namespace

int main() {
    Stack s;
    s.places.resize(static_cast<std::size_t>(read_size()));
    for (;;) {
        std::printf("Press 1 -> Push,2 -> Pop,3 -> Top,Press 4 -> Exit\nEnter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        case 4: return 0;
        default: std::printf("Enter correct choice"); break;
        }
    }
}
