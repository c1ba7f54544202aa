// Takes farm-price records from the keyboard, writes them to t3o.txt back to back,
// lists them and names the most expensive farm item (bar 0.0).
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Item {
    char source[100];
    char item[100];
    float price;
};

}  // namespace

int main() {
    int n = 0;
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");

    // The file is created once the count is accepted; each record goes to it as soon
    // as it is typed, with nothing between records.
    rt::File out = rt::File::open_or_fail("t3o.txt", "w");
    std::vector<Item> items;
    for (int i = 0; i < n; ++i) {
        Item r{};
        rt::read("%99s %99s %f", r.source, r.item, &r.price);
        std::fprintf(out.get(), "%s %s %f", r.source, r.item, r.price);
        items.push_back(r);
    }
    if (!out.close()) rt::fail("cannot write t3o.txt");

    float best_price = 0.0f;
    char best_name[100] = "";
    bool found = false;
    for (const Item& r : items) {
        std::printf("%s\t%s\t%f", r.source, r.item, r.price);
        if (std::strcmp(r.source, "farm") == 0 && r.price > best_price) {
            best_price = r.price;
            std::strcpy(best_name, r.item);
            found = true;
        }
    }
    // No farm item above the bar: no name was copied, so say so.
    if (!found)
        std::printf("No item from farm.");
    else
        std::printf("Highest price item from farm:%s.", best_name);
    return 0;
}
