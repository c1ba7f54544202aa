// A stack of integers whose menu is offered n + 1 times: a counter that starts at 0
// grows by one after every option, and the menu goes on while it is not above n. The
// stack keeps its own count of elements apart from that counter, so that it holds
// exactly n elements and hands them back last in, first out.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
};

void push(Stack& s) {
    if (s.full()) {
        std::printf("Stack Overflow");
        return;
    }
    std::printf("Enter Value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::puts("stack underflow");
        return;
    }
    --s.count;
    std::printf("removed element = %d\n", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::puts("No Data");
        return;
    }
    std::printf("Stack Top Element: %d\n", s.places[static_cast<std::size_t>(s.count) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter the size of array:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    // A reply that is not a number is not an option and does not count.
    for (int options = 0; options <= n;) {
        std::puts("Press 1->Push, 2->Pop, -> 3->Top");
        std::printf("Enter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: break;
        }
        ++options;
    }
    return 0;
}
