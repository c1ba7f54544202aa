// Lists the farm-price file and names the most expensive farm item (bar 0.0).
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[15];
    char item[17];
    float price;
};

}  // namespace

int main() {
    rt::File f("t3o.txt", "r");
    if (!f) return 0;  // a missing file ends the program without a word

    int n = 0;
    f.read(" %d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    // Exactly n records: a file that ends early is refused before anything is listed.
    for (Item& r : items) f.read(" %14s %16s %f", r.source, r.item, &r.price);

    float best_price = 0.0f;
    const Item* best = nullptr;
    for (const Item& r : items) {
        std::printf("%s  %s - %f\n", r.source, r.item, r.price);
        if (std::strcmp(r.source, "farm") == 0 && r.price > best_price) {
            best = &r;
            best_price = r.price;
        }
    }
    if (best == nullptr)
        std::puts("No item from farm");
    else
        std::printf("Highest price item from farm : %s\n", best->item);
    f.close();
    return 0;
}
