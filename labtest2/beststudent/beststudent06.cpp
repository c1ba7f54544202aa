// Lists the students of t3e.txt and names the girl with the highest marks.
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

struct Student {
    char name[15];
    char gender[5];
    float marks;
};

}  // namespace

int main() {
    rt::File file("t3e.txt", "r");
    if (!file) {
        std::putchar('0');
        return 0;
    }
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3e.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));

    // Exactly n records, each tested as soon as it is in; anything after them in
    // the file is ignored.
    int best = -1;
    float best_marks = 0.0f;
    for (int i = 0; i < n; ++i) {
        Student& s = students[static_cast<std::size_t>(i)];
        file.read("%14s", s.name);
        file.read("%4s", s.gender);
        file.read("%f", &s.marks);
        if (std::strcmp(s.gender, "girl") == 0 && s.marks > best_marks) {
            best_marks = s.marks;
            best = i;
        }
    }

    for (const Student& s : students) std::printf("%s   %s - %0.2f \n", s.name, s.gender, s.marks);
    if (best < 0)
        std::printf("no girl");
    else
        std::printf("best girl is: %s \n", students[static_cast<std::size_t>(best)].name);
    file.close();
    return 0;
}
