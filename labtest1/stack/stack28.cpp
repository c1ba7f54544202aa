// A stack of integers with its top at place 0, where the value 0 marks an empty place:
// the stack is empty when place 0 holds 0 and full when the last place does not, so a
// pushed 0 looks like an empty place. Any option other than 1 to 3 ends the menu.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;  // all 0 at the start
    // Places from `used` on all hold 0, so moving the elements up or down only has to
    // move the places below it: the run of zeros above moves onto itself.
    int used = 0;

    [[nodiscard]] bool empty() const { return places.front() == 0; }
    [[nodiscard]] bool full() const { return places.back() != 0; }
    [[nodiscard]] auto used_end() { return places.begin() + used; }
};

// The elements move one place up, and the value read goes to place 0.
void push(Stack& s) {
    if (s.full()) {
        std::puts("stack overflow");
        return;
    }
    std::copy_backward(s.places.begin(), s.used_end(), s.used_end() + 1);  // used < n when not full
    std::printf("enter value:");
    rt::read("%d", &s.places.front());
    if (s.used > 0 || s.places.front() != 0) ++s.used;
}

// Place 0 is printed, the elements move one place down and the last place becomes 0.
void pop(Stack& s) {
    if (s.empty()) {
        std::puts("stack underflow");
        return;
    }
    std::printf("removed element:%d\n", s.places.front());
    std::copy(s.places.begin() + 1, s.used_end(), s.places.begin());
    --s.used;  // place 0 held a value, so used was at least 1
    s.places[static_cast<std::size_t>(s.used)] = 0;
}

void top(const Stack& s) {
    if (s.empty()) {
        std::puts("no data");
        return;
    }
    std::printf("Stack Top element:%d\n", s.places.front());
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter the stack size n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    std::printf("press option as 4 to exit");
    Stack s;
    s.places.assign(static_cast<std::size_t>(n), 0);
    for (;;) {
        std::puts("Press 1->Push,2->Pop,3->Top");
        std::printf("Enter option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: return 0;
        }
    }
}
