// Reads the farm-price file a line at a time, choosing the most expensive farm item
// (bar 0.0) while reading, then lists the records and names it.
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
    char line[100];
    if (!f.get_line(line)) rt::fail("t3o.txt: expected the record count, found the end of the file");
    // The count is the number at the start of the first line, as atoi takes it: 0 when
    // the line does not start with one.
    int n = 0;
    rt::sscan("t3o.txt", line, "%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");

    std::vector<Item> items(static_cast<std::size_t>(n));
    float best_price = 0.0f;
    // As wide as the item field, so that every name it holds can be copied.
    char best_name[sizeof(Item::item)] = "";
    bool found = false;
    for (Item& r : items) {
        if (!f.get_line(line)) rt::fail("t3o.txt: expected a record, found the end of the file");
        if (rt::sscan("t3o.txt", line, "%14s%16s%f", r.source, r.item, &r.price) != 3)
            rt::fail("t3o.txt: expected a source, an item and a price on each line");
        if (std::strcmp(r.source, "farm") == 0 && r.price > best_price) {
            best_price = r.price;
            std::strcpy(best_name, r.item);
            found = true;
        }
    }

    for (const Item& r : items) std::printf("%s %s - %f\n", r.source, r.item, r.price);
    // No farm item above the bar: no name was copied, so say so.
    if (!found)
        std::puts("No item from farm");
    else
        std::printf("The maximum priced item from farm is : %s\n", best_name);
    return 0;
}
