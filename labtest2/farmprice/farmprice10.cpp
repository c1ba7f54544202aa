// Lists the farm-price file with two decimals and names the highest-priced farm item,
// starting from the first farm record.
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[16];
    char item[16];
    float price;
};

}  // namespace

int main() {
    rt::File f("t3o.txt", "r");
    if (!f) {
        std::puts("File could not be opened successfully");
        return 0;
    }
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    for (Item& r : items) {
        f.read(" %15s", r.source);
        f.read(" %15s", r.item);
        f.read("%f", &r.price);
    }

    for (const Item& r : items) {
        std::printf("%s\t\t", r.source);
        std::printf("%s - ", r.item);
        std::printf("%.2f\n", r.price);
    }

    // The first farm record, replaced only by a later, dearer farm record.
    const Item* best = nullptr;
    for (const Item& r : items)
        if (std::strcmp(r.source, "farm") == 0 && (best == nullptr || r.price > best->price)) best = &r;
    // With no farm record there is no item to name.
    if (best == nullptr)
        std::puts("No item from farm");
    else
        std::printf("Highest price item from farm: %s\n", best->item);
    f.close();
    return 0;
}
