// A stack of integers behind a menu that never ends by itself (it ends at the end of
// input); options other than 1 to 3 are ignored. Every place starts out holding
// -100002, the mark of an empty place; the stack keeps its own count of elements, so
// that any value, that one included, can be pushed and comes back last in, first out.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

constexpr int empty_place = -100002;

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
};

void push(Stack& s) {
    if (s.full()) {
        std::printf(" Stack Overflow");
        return;
    }
    std::printf("Enter value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::printf("\nStack Underflow");
        return;
    }
    --s.count;
    std::printf("%d", s.places[static_cast<std::size_t>(s.count)]);
    s.places[static_cast<std::size_t>(s.count)] = empty_place;
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::printf("\n No data");
        return;
    }
    std::printf("%d", s.places[static_cast<std::size_t>(s.count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("\n Enter stack size: ");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.assign(static_cast<std::size_t>(n), empty_place);
    for (;;) {
        std::printf("\n Press 1-> Push, 2-> Pop, 3-> Top");
        std::printf("Enter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;
        }
    }
}
