// Lists the items and prices of the farm-price file and names the dearest record,
// whatever its source.
#include <cstdio>
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
    f.read("%d \n", &n);
    // The first record is the first candidate, so there must be one.
    rt::check_range(n, 1, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    for (Item& r : items) f.read("%14s %16s %f", r.source, r.item, &r.price);

    for (const Item& r : items) std::printf("%s %f \n", r.item, r.price);

    const Item* best = &items.front();
    for (const Item& r : items)
        if (r.price > best->price) best = &r;
    std::printf("MAX %s %s %f", best->source, best->item, best->price);
    return 0;
}
