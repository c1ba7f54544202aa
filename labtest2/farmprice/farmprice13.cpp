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
    rt::File f = rt::File::open_or_fail("t3o.txt", "r");
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    for (Item& r : items) f.read("%14s%16s%f", r.source, r.item, &r.price);

    float best_price = 0.0f;
    const Item* best = nullptr;
    for (const Item& r : items) {
        std::printf("%s %s - %f \n", r.source, r.item, r.price);
        if (std::strcmp(r.source, "farm") == 0 && r.price > best_price) {
            best = &r;
            best_price = r.price;
        }
    }
    // No farm item above the bar: nothing to name, so say so.
    if (best == nullptr)
        std::printf("No item from farm. ");
    else
        std::printf("Highest price item from farm: %s. ", best->item);
    return 0;
}
