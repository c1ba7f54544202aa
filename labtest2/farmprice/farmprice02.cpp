// Lists the farm-price file and names the highest-priced farm item: the last farm
// record is the first candidate, and a second pass from the start may replace it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[15];
    char item[17];
    float price;
};

bool is_farm(const Item& r) { return std::strcmp(r.source, "farm") == 0; }

// Reads records to the end of the file. Only the first n are kept: records beyond
// the count are read and dropped. A file that ends early keeps the records present.
std::vector<Item> read_items(rt::File& f, int n) {
    std::vector<Item> items;
    Item r{};
    for (;;) {
        const int got = f.scan("%14s %16s %f", r.source, r.item, &r.price);
        if (got == EOF) break;
        if (got != 3) rt::fail("t3o.txt: expected a source, an item and a price");
        if (static_cast<int>(items.size()) < n) items.push_back(r);
    }
    return items;
}

}  // namespace

int main() {
    rt::File f("t3o.txt", "r");
    if (!f) {
        std::puts("ERROR( FILE NOT FOUND )");
        std::exit(1);
    }
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    const std::vector<Item> items = read_items(f, n);
    f.close();

    // Listing; every farm record in turn becomes the candidate.
    int best = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& r = items[i];
        std::printf("%s %s-%f\n", r.source, r.item, r.price);
        if (is_farm(r)) best = static_cast<int>(i);
    }
    // Second pass from the first record: a dearer farm record replaces the candidate.
    if (best >= 0)
        for (std::size_t i = 0; i < items.size(); ++i)
            if (is_farm(items[i]) && items[i].price > items[static_cast<std::size_t>(best)].price)
                best = static_cast<int>(i);

    // With no farm record there is no candidate to name.
    if (best < 0)
        std::puts("No item from the farm");
    else
        std::printf("Highest price item from the farm:%s\n ", items[static_cast<std::size_t>(best)].item);
    return 0;
}
