// Lists the students of t3o.txt and names the girl with the highest marks, keeping a
// copy of her record.
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "console.hpp"

namespace {

struct Student {
    char name[10];
    char gender[6];
    float marks;
};

}  // namespace

int main() {
    rt::File file("t3o.txt", "r");
    if (!file) return 0;
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3o.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) file.read("%9s %5s %f", s.name, s.gender, &s.marks);

    std::optional<Student> best;
    float best_marks = 0.0f;
    for (const Student& s : students) {
        std::printf("%s %s-%f\n", s.name, s.gender, s.marks);
        if (std::strcmp(s.gender, "girl") == 0 && s.marks > best_marks) {
            best_marks = s.marks;
            best = s;
        }
    }
    // With no girl above 0 marks there is no name to give: say so instead, without
    // a newline like the result line.
    if (best)
        std::printf("Best girl student: %s", best->name);
    else
        std::printf("No girl student");
    return 0;
}
