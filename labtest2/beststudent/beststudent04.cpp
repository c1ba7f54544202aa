// Lists the students of t3e.txt and names the girl with the highest marks, starting
// from the first girl in the file.
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Student {
    char name[11];
    char gender[13];
    double marks;
};

bool is_girl(const Student& s) { return std::strcmp(s.gender, "girl") == 0; }

}  // namespace

int main() {
    rt::File file("t3e.txt", "r");
    if (!file) {
        std::puts("File did not open.");
        return 0;
    }
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3e.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) file.read("%10s %12s %lf", s.name, s.gender, &s.marks);

    // The first girl is the candidate; only strictly greater marks replace her.
    const Student* best = nullptr;
    for (const Student& s : students) {
        std::printf("%10s %4s - %.2lf\n", s.name, s.gender, s.marks);
        if (is_girl(s) && (best == nullptr || s.marks > best->marks)) best = &s;
    }

    if (best == nullptr)
        std::puts("No girl student.");
    else
        std::printf("Best girl student: %s.\n", best->name);
    return 0;
}
