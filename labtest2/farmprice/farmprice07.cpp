// Lists the farm-price file, asks for a source and names the dearest record from that
// source (bar -100.0).
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
    for (Item& r : items) {
        f.read("%14s", r.source);
        f.read("%16s", r.item);
        f.read("%f", &r.price);
    }
    f.close();

    std::printf("%d\n", n);
    for (const Item& r : items) {
        std::printf("%s\t", r.source);
        std::printf("%s\t", r.item);
        std::printf("%f\n", r.price);
    }

    std::puts("enter the source among which the most expensive product value has to be printed");
    std::getchar();  // one character is passed over before the word
    char source[10];
    rt::read("%9s", source);

    float best_price = -100.0f;
    const Item* best = nullptr;
    for (const Item& r : items)
        if (std::strcmp(r.source, source) == 0 && r.price > best_price) {
            best = &r;
            best_price = r.price;
        }
    // No record of that source above the bar: say so in place of the result.
    if (best == nullptr)
        std::printf("no product among %s", source);
    else
        std::printf("the expensive among %s is%s\t%s\t%f", best->source, best->source, best->item, best->price);
    return 0;
}
