// Lists the students of t3o.txt and names the girl with the highest marks.
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

}  // namespace

int main() {
    rt::File file("t3o.txt", "r");
    if (!file) {
        std::printf("ERROR IN FILE CREATION");
        return -1;
    }
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3o.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));  // zero-filled
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) file.read("%9s %5s %f", s.name, s.gender, &s.marks);

    for (const Student& s : students) std::printf("%s %s - %.2f\n", s.name, s.gender, s.marks);
    int best = -1;
    float best_marks = 0.0f;
    for (std::size_t i = 0; i < students.size(); ++i) {
        if (std::strcmp(students[i].gender, "girl") == 0 && students[i].marks > best_marks) {
            best_marks = students[i].marks;
            best = static_cast<int>(i);
        }
    }
    // With no girl above 0 marks there is no name to give: say so instead, without
    // a newline like the result line.
    if (best < 0)
        std::printf("No girl student");
    else
        std::printf("Best girl student: %s", students[static_cast<std::size_t>(best)].name);
    return 0;
}
