// Lists the menu file item.txt as it is read, then the prices of its farm records.
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
    rt::File f = rt::File::open_or_fail("item.txt", "r");
    int n = 0;
    f.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "the record count in item.txt");
    std::printf("%d", n);
    std::puts("\nItems in Menu:");

    // Every record is listed as soon as it is read, to the end of the file; only the
    // first n are kept, so records beyond the count are listed but not kept.
    std::vector<Item> items;
    Item r{};
    for (;;) {
        const int got = f.scan("%14s\t%16s\t%f\n", r.source, r.item, &r.price);
        if (got == EOF) break;
        if (got != 3) rt::fail("item.txt: expected a source, an item and a price");
        std::printf("%s %s-%f\n", r.source, r.item, r.price);
        if (static_cast<int>(items.size()) < n) items.push_back(r);
    }

    // The second pass prints the price of each farm record kept.
    for (const Item& kept : items)
        if (std::strcmp(kept.source, "farm") == 0) std::printf("%f", kept.price);
    f.close();
    return 0;
}
