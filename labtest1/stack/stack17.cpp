// A stack of integers behind a menu that asks after every option whether to go on.
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
        std::printf("\nStack Overflow");
        return;
    }
    std::printf("\nEnter Value:");
    rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
    ++s.count;
}

void pop(Stack& s) {
    if (s.count == 0) {
        std::printf("\nStack Underflow");
        return;
    }
    --s.count;
    std::printf("\nRemoved Element = %d", s.places[static_cast<std::size_t>(s.count)]);
}

void top(const Stack& s) {
    if (s.count == 0) {
        std::printf("\nNo Data");
        return;
    }
    std::printf("\nStack Top Element:%d", s.places[static_cast<std::size_t>(s.count) - 1]);
}

// The answer is read as a menu reply: a reply that is not a number is reported and the
// question comes again; the end of input ends the program as an answer of 0 would.
bool wants_to_continue() {
    int answer = 0;
    do std::puts("\nTo continue, press 1, else press 0");
    while (!rt::read_menu("%d", &answer));
    return answer == 1;
}

}  // namespace

int main() {
    int n = 0;
    std::printf("Enter Stack Size n:");
    rt::read("%d", &n);
    rt::check_range(n, 1, rt::max_run_time_size, "n");
    Stack s;
    s.places.resize(static_cast<std::size_t>(n));
    for (;;) {
        std::printf("\nPress 1->Push, 2->Pop, 3->Top\nEnter Option:");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(s); break;
        case 2: pop(s); break;
        case 3: top(s); break;
        default: std::printf("\nIncorrect Input"); break;
        }
        if (!wants_to_continue()) return 0;
    }
}
