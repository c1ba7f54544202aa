// A stack of integers behind a menu that never ends by itself (it ends at the end of
// input). Each option goes through six checks in a fixed order, each on the state the
// earlier ones left; an option other than 1 to 3 passes none of them.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

struct Stack {
    std::vector<int> places;
    int count = 0;  // elements on the stack; the top is at place count - 1

    [[nodiscard]] bool full() const { return count == static_cast<int>(places.size()); }
    [[nodiscard]] bool empty() const { return count == 0; }
};

void handle(Stack& s, int option) {
    if (option == 1 && s.full()) std::puts("Stack Overflow ");
    if (option == 3 && s.empty()) std::puts("No Data ");
    if (option == 2 && s.empty()) std::puts("Stack Underflow ");
    if (option == 1 && !s.full()) {
        std::printf("Enter value : ");
        rt::read("%d", &s.places[static_cast<std::size_t>(s.count)]);
        ++s.count;
    }
    if (option == 2 && !s.empty()) {
        --s.count;
        std::printf("Removed Element is %d ", s.places[static_cast<std::size_t>(s.count)]);
    }
    if (option == 3 && !s.empty())
        std::printf(" Stack top element %d ", s.places[static_cast<std::size_t>(s.count) - 1]);
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
        std::printf(" press1->Push , press2->Pop , press3->Top \n ");
        std::printf("Enter option :");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        handle(s, option);
    }
}
