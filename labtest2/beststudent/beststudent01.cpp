// Lists the students of t3e.txt and names the girl with the highest marks.
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
    rt::File file = rt::File::open_or_fail("t3e.txt", "r");
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3e.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));  // zero-filled

    // Exactly n records are read, each tested as soon as it is in; anything after
    // them in the file is ignored. A file with fewer records ends the program.
    char best_name[10] = "";
    char best_gender[6] = "";
    float best_marks = -1.0f;
    for (Student& s : students) {
        file.read("%9s%5s%f", s.name, s.gender, &s.marks);
        if (s.marks > best_marks && std::strcmp(s.gender, "girl") == 0) {
            std::strcpy(best_name, s.name);
            std::strcpy(best_gender, s.gender);
            best_marks = s.marks;
        }
    }

    for (const Student& s : students) std::printf("%s %s - %.2f\n", s.name, s.gender, s.marks);
    if (best_marks == -1.0f)
        std::puts("No girl student");
    else
        std::printf("Best girl student - %s \n", best_name);
    return 0;
}
