// A stack of integers at places 1 to n whose menu ends right after an overflow, then
// lists the n elements from the bottom up.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 20;  // place 0 is not used, so n goes up to 19

struct Stack {
    std::array<int, capacity> places{};
    int size = 0;  // n
    int next = 1;  // the next free place; the top is at place next - 1
};

// Returns false after the overflow message, which ends the menu.
bool push(Stack& s) {
    if (s.next == s.size + 1) {
        std::puts("stack overlow");
        return false;
    }
    std::printf("Enter value:");
    rt::read("%d", &s.places[s.next]);
    ++s.next;
    return true;
}

void pop(Stack& s) {
    if (s.next == 1) {
        std::puts("stack underflow");
        return;
    }
    --s.next;
    std::printf("removed element:%d\n", s.places[s.next]);
}

// Top shows the element on top, also right after a Pop, and leaves the stack as it is.
void top(const Stack& s) {
    if (s.next == 1) {
        std::puts("No data");
        return;
    }
    std::printf("stack top element:%d\n", s.places[s.next - 1]);
}

void print_listing(const Stack& s) {
    std::printf("stack: ");
    for (int place = 1; place <= s.size; ++place) std::printf("%d ", s.places[place]);
    std::printf("\n");
}

}  // namespace

int main() {
    Stack s;
    std::printf("Enter Stack size n:");
    rt::read("%d", &s.size);
    rt::check_range(s.size, 0, capacity - 1, "n");
    for (;;) {
        std::puts("press 1->Push, 2->pop , 3->Top");
        std::printf("Enter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1:
            if (!push(s)) {
                print_listing(s);
                return 0;
            }
            break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: std::puts("invalid option"); break;
        }
    }
}
