// Reads the farm-price file a line at a time, lists it with two decimals and names
// the most expensive farm item (bar -34.0).
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

bool holds_only_blanks(const char* line) {
    for (; *line; ++line)
        if (std::strchr(" \t\r\n\v\f", *line) == nullptr) return false;
    return true;
}

// Reads the count from the first line, then one record per line to the end of the
// file. Only the first n records are kept (later lines are read and dropped); a file
// that ends early keeps the records present. Lines holding only blanks carry no
// record and are passed over.
std::vector<Item> read_items(rt::File& f) {
    char line[1000];
    int n = 0;
    if (!f.get_line(line) || rt::sscan("t3o.txt", line, "%d", &n) != 1)
        rt::fail("t3o.txt: expected the record count on the first line");
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items;
    while (f.get_line(line)) {
        if (holds_only_blanks(line)) continue;
        Item r{};
        if (rt::sscan("t3o.txt", line, "%15s%15s%f", r.source, r.item, &r.price) != 3)
            rt::fail("t3o.txt: expected a source, an item and a price on each line");
        if (static_cast<int>(items.size()) < n) items.push_back(r);
    }
    return items;
}

void display(const std::vector<Item>& items) {
    for (const Item& r : items) std::printf("%s  %s  - %.2f\n", r.source, r.item, r.price);
}

// The first farm record priced strictly above the bar and above every earlier one;
// -1 when there is none.
int highprice(const std::vector<Item>& items) {
    float best_price = -34.0f;
    int best = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (std::strcmp(items[i].source, "farm") == 0 && items[i].price > best_price) {
            best = static_cast<int>(i);
            best_price = items[i].price;
        }
    return best;
}

}  // namespace

int main() {
    rt::File f = rt::File::open_or_fail("t3o.txt", "r");
    const std::vector<Item> items = read_items(f);
    display(items);
    const int best = highprice(items);
    // No farm record above the bar: nothing to name, so say so.
    if (best < 0)
        std::puts("No Item from farm");
    else
        std::printf("Highest Price Item from farm : %s\n", items[static_cast<std::size_t>(best)].item);
    f.close();
    return 0;
}
