// Lists the farm-price file with its two words swapped and names the first word of
// the dearest record, whatever its source.
#include <cstdio>
#include <vector>

#include "console.hpp"

namespace {

// The first word of a record is held as the item, the second as the source.
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
    // The first record is the first candidate, so there must be one.
    rt::check_range(n, 1, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    for (Item& r : items) {
        f.read(" %16s", r.item);
        f.read(" %14s", r.source);
        f.read(" %f", &r.price);
    }

    for (const Item& r : items) {
        std::printf("%s  ", r.source);
        std::printf("%s  ", r.item);
        std::printf("- %f\n", r.price);
    }

    Item best = items.front();
    for (const Item& r : items)
        if (r.price > best.price) best = r;
    std::printf("Highest price item from farm: %s\n", best.item);
    f.close();
    return 0;
}
