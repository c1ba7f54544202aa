// Lists the students of t3e.txt and names the girl with the highest marks, starting
// from the first girl in the file.
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Student {
    char name[10];
    char gender[6];
    float marks;
};

bool is_girl(const Student& s) { return std::strcmp(s.gender, "girl") == 0; }

}  // namespace

int main() {
    rt::File file = rt::File::open_or_fail("t3e.txt", "r");
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3e.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) {
        file.read("%9s", s.name);
        file.read("%5s", s.gender);
        file.read("%f", &s.marks);
    }

    // The first girl is the candidate; only strictly greater marks replace her.
    const Student* best = nullptr;
    for (const Student& s : students) {
        std::printf("%s ", s.name);
        std::printf("%s ", s.gender);
        std::printf("%.2f\n", s.marks);
        if (is_girl(s) && (best == nullptr || s.marks > best->marks)) best = &s;
    }

    // With no girl in the file there is no name to give: say so instead.
    if (best == nullptr)
        std::puts("No girl student");
    else
        std::printf("Best girl student: %s\n", best->name);
    file.close();
    return 0;
}
