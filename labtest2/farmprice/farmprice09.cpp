// Lists the farm-price file in padded columns and names the most expensive farm item
// (bar 0.0). The program ends with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[15];
    char item[17];
    float price;
};

constexpr std::size_t column = 20;

// The word, then blanks up to the column width (none for a word that fills it).
void print_padded(const char* word) {
    std::printf("%s", word);
    for (std::size_t i = std::strlen(word); i < column; ++i) std::putchar(' ');
}

// The first farm record priced strictly above the bar and above every earlier one;
// -1 when there is none.
int farm(const std::vector<Item>& items) {
    float best_price = 0.0f;
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
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items;
    try {
        items.resize(static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        std::puts("Dynamic allocation failed.");
        return 0;
    }
    for (Item& r : items) {
        f.read("%14s", r.source);
        f.read("%16s", r.item);
        f.read("%f", &r.price);
    }

    for (const Item& r : items) {
        print_padded(r.source);
        print_padded(r.item);
        std::printf(" - %f\n", r.price);
    }
    const int best = farm(items);
    // No farm item above the bar: nothing to name, so say so.
    if (best < 0)
        std::puts("No item from farm.");
    else
        std::printf("Highest price item from farm:  %s.\n", items[static_cast<std::size_t>(best)].item);
    return 1;
}
