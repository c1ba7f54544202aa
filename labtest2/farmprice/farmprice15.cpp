// Writes the farm-price listing to output.txt and prints the highest farm price.
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

// Gathers the prices of the farm records and prints the greatest of them.
void farm(const std::vector<Item>& items, int n) {
    std::vector<float> prices;
    prices.reserve(static_cast<std::size_t>(n));
    for (const Item& r : items)
        if (std::strcmp(r.source, "farm") == 0) prices.push_back(r.price);
    // No farm record: there is no price to start from, so say so.
    if (prices.empty()) {
        std::printf("No price from farm");
        return;
    }
    float highest = prices.front();
    for (const float p : prices)
        if (p > highest) highest = p;
    std::printf("Highest price from farm is: %f", highest);
}

}  // namespace

int main() {
    rt::File f("t3o.txt", "r");
    if (!f) {
        std::printf("error");
        return 0;
    }
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in t3o.txt");
    std::vector<Item> items(static_cast<std::size_t>(n));
    for (Item& r : items) {
        f.read("%14s", r.source);
        f.read("%16s", r.item);
        f.read("%f", &r.price);
    }

    rt::File out = rt::File::open_or_fail("output.txt", "w");
    for (const Item& r : items) std::fprintf(out.get(), "%s %s - %f\n", r.source, r.item, r.price);
    if (!out.close()) rt::fail("cannot write output.txt");

    farm(items, n);
    return 0;
}
