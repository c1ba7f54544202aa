// Lists the farm-price file (opened for update) and names the highest-priced farm
// item, starting from the first farm record.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[16];
    char item[16];
    float price;
};

// Reads records to the end of the file, counting them. Only the first n are kept:
// records beyond the count are read and dropped. A file that ends early keeps (and
// lists) only the records present.
std::vector<Item> read_items(rt::File& f, int n) {
    std::vector<Item> items;
    Item r{};
    for (;;) {
        const int got = f.scan("%15s %15s %f\n", r.source, r.item, &r.price);
        if (got == EOF) break;
        if (got != 3) rt::fail("t3o.txt: expected a source, an item and a price");
        if (static_cast<int>(items.size()) < n) items.push_back(r);
    }
    return items;
}

}  // namespace

int main() {
    rt::File f("t3o.txt", "r+");
    if (!f) {
        std::puts("Error in opening");
        std::exit(-1);
    }
    int n = 0;
    f.read("%d\n", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    const std::vector<Item> items = read_items(f, n);
    f.close();

    for (const Item& r : items) std::printf("%s %s %f\n", r.source, r.item, r.price);

    // The first farm record, replaced only by a later, dearer farm record.
    const Item* best = nullptr;
    for (const Item& r : items)
        if (std::strcmp(r.source, "farm") == 0 && (best == nullptr || r.price > best->price)) best = &r;

    // With no farm record there is no item to name.
    if (best == nullptr)
        std::puts("No item from farm");
    else
        std::printf("Highest price item from farm: %s\n", best->item);
    return 0;
}
