// A stack of integers that counts its pushes and its pops apart; the menu never ends
// by itself (it ends at the end of input) and ignores options other than 1 to 3.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int pushes = 0;  // accepted Pushes
    int pops = 0;    // accepted Pops

    [[nodiscard]] int count() const { return pushes - pops; }
    [[nodiscard]] bool full() const { return count() == static_cast<int>(places.size()); }
    [[nodiscard]] bool empty() const { return count() == 0; }
};

void push(Stack& s) {
    if (s.full()) {
        std::puts("Stack overflow");
        return;
    }
    std::printf("Enter value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count())]);
    ++s.pushes;
}

void pop(Stack& s) {
    if (s.empty()) {
        std::puts("Stack Underflow");
        return;
    }
    std::printf("Removed element=%d\n", s.places[static_cast<std::size_t>(s.count()) - 1]);
    ++s.pops;
}

void top(const Stack& s) {
    if (s.empty()) {
        std::puts("No Data");
        return;
    }
    std::printf("Stack Top Element=%d\n", s.places[static_cast<std::size_t>(s.count()) - 1]);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter Stack size:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::puts("Press 1->Push ; 2->Pop ; 3-> Top");
        std::printf("Enter option:");
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
