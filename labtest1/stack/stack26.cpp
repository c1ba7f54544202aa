// A stack of integers behind a menu whose option 4 ends it. Other options that are not
// on the menu are ignored, as the menu shows only 1 to 3, and the menu comes again.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1
};

void push(Stack& s) {
    if (s.count == static_cast<int>(s.places.size())) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack Underflow");
        return;
    }
    --s.count;
    std::printf("Removed Element: %d \n", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::printf("No Data");
        return;
    }
    std::printf("Stack Top Element: %d \n", s.places[static_cast<std::size_t>(s.count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter Stack size n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("Press 1 -> Push, 2 -> Pop, 3 -> Top");
        std::printf("Enter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        case 4: return 0;
        default: break;
        }
    }
}
