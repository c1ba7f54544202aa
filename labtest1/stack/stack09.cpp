// A stack of integers behind a menu that never ends by itself (it ends at the end of
// input) and answers an option that is not on it.
#include <array>
#include <cstdio>

#include "console.hpp"

namespace {

constexpr int capacity = 100;

std::array<int, capacity> places{};
int size = 0;   // n
int count = 0;  // lives for the whole run and starts at 0; the top is at place count - 1

void push() {
    if (count == size) {
        std::puts("Stack overflow ");
        return;
    }
    std::printf("Enter value: ");
    rt::read("%d", &places[count]);
    ++count;
}

void pop() {
    if (count == 0) {
        std::puts("Stack Underflow ");
        return;
    }
    --count;
    std::printf("Removed Element: %d \n", places[count]);
}

void top() {
    if (count == 0) {
        std::puts("No Data ");
        return;
    }
    std::printf("Stack top element: %d \n", places[count - 1]);
}

}  // namespace

int main() {
    std::printf("Enter Stack size n: ");
    rt::read("%d", &size);
    rt::check_range(size, 0, capacity, "n");
    for (;;) {
        std::puts("Enter 1 -> Push, 2-> Pop,3-> Top ");
        std::printf("Enter option: ");
        int option = 0;
        if (!rt::read_menu("%d", &option)) continue;
        switch (option) {
        case 1: push(); break;
        case 2: pop(); break;
        case 3: top(); break;
        default: std::puts("Enter valid option "); break;
        }
    }
}
