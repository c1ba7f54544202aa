// A stack of integers behind a menu that ends right after an overflow; options other
// than 1 to 3 are ignored.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1
};

// Returns false after the overflow message, which ends the menu.
bool push(Stack& s) {
    if (s.count == static_cast<int>(s.places.size())) {
        std::puts("Stack Overflow");
        return false;
    }
    std::printf("Enter the value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
    return true;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack Underflow");
        return;
    }
    --s.count;
    std::printf("Removed Element:%d\n", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No data");
        return;
    }
    std::printf("Stack Top element:%d\n", s.places[static_cast<std::size_t>(s.count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter the Stack Size n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("Press 1-> Push, 2-> Pop, 3->Top");
        std::printf("Enter option:");
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
