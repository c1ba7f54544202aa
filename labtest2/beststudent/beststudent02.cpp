// Lists the students of t3e.txt and names the girl with the highest marks; among
// equal marks the last one wins.
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

// Reads the count and exactly that many records; anything after them is ignored.
std::vector<Student> read_students() {
    rt::File file = rt::File::open_or_fail("t3e.txt", "r");
    int n = 0;
    file.read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "t3e.txt: the count");
    std::vector<Student> students(static_cast<std::size_t>(n));
    for (Student& s : students) file.read("%9s%5s%f", s.name, s.gender, &s.marks);
    return students;  // the file is closed here
}

}  // namespace

int main() {
    const std::vector<Student> students = read_students();

    // Greater-or-equal against a bar of 0: a girl with 0 marks can be chosen, and
    // the later of two girls with equal marks is.
    bool chosen = false;
    char best_name[10] = "";
    float best_marks = 0.0f;
    for (const Student& s : students) {
        std::printf("%s %s-%0.2f", s.name, s.gender, s.marks);
        std::putchar('\n');
        if (std::strcmp(s.gender, "girl") == 0 && s.marks >= best_marks) {
            best_marks = s.marks;
            std::strcpy(best_name, s.name);
            chosen = true;
        }
    }

    // With no girl at or above the bar there is no name to give: say so instead,
    // without a newline like the result line.
    if (chosen)
        std::printf("Best girl student: %s", best_name);
    else
        std::printf("No girl student");
    return 0;
}
