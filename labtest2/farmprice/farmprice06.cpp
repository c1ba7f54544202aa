// Lists the records of t3o.txt and names the first word of the dearest record whose
// second word is "hightest" (bar -1.0).
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

// The second field holds up to eight characters, so that the word looked for fits.
struct Item {
    char source[10];
    char item[9];
    float price;
};

// Reads records to the end of the file. Only the first n are kept: records beyond
// the count are read and dropped. A file that ends early keeps the records present.
std::vector<Item> read_items(rt::File& f, int n) {
    std::vector<Item> items;
    Item r{};
    for (;;) {
        const int got = f.scan("%9s %8s %f", r.source, r.item, &r.price);
        if (got == EOF) break;
        if (got != 3) rt::fail("t3o.txt: expected two words and a price");
        if (static_cast<int>(items.size()) < n) items.push_back(r);
    }
    return items;
}

// The first record named "hightest" priced strictly above the bar and above every
// earlier one; -1 when there is none.
int max(const std::vector<Item>& items) {
    float best_price = -1.0f;
    int best = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (std::strcmp(items[i].item, "hightest") == 0 && items[i].price > best_price) {
            best = static_cast<int>(i);
            best_price = items[i].price;
        }
    return best;
}

}  // namespace

int main() {
    rt::File f = rt::File::open_or_fail("t3o.txt", "r");
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    const std::vector<Item> items = read_items(f, n);

    for (const Item& r : items) std::printf("\n%s %s - %f", r.source, r.item, r.price);

    const int best = max(items);
    // No record qualifies: there is no first word to name.
    if (best < 0)
        std::printf("\n\nno record is hightest\n");
    else
        std::printf("\n\nthe greatest price: %s\n", items[static_cast<std::size_t>(best)].source);
    return 0;
}
