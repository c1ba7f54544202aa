// A stack of integers with its top at place 0: a Push moves the elements one place up,
// a Pop one place down. The menu ends right after an overflow.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack, at places 0 to count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
    [[nodiscard]] auto used_end() { return places.begin() + count; }
};

// Returns false after the overflow message, which ends the menu. Only the places in
// use are moved: the places above them hold nothing that is ever shown.
bool push(Stack& s) {
    if (s.full()) {
        std::puts("Stack Overflow");
        return false;
    }
    std::copy_backward(s.places.begin(), s.used_end(), s.used_end() + 1);
    std::printf("Enter element: ");
    rt::read("%d", &s.places[0]);
    ++s.count;
    return true;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("Stack Underflow");
        return;
    }
    std::printf("Removed element: %d\n", s.places[0]);
    std::copy(s.places.begin() + 1, s.used_end(), s.places.begin());
    --s.count;
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No Data");
        return;
    }
    std::printf("Top element: %d\n", s.places[0]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter stack size n: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::printf("Press 1->Push, 2->Pop,3->Top\nEnter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1:
            if (!push(s)) return 0;
            break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: std::puts("Invalid Choice"); break;
        }
    }
}
