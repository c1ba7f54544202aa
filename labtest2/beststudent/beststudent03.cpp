// Reads as many records of t3e.txt as the user asks for and names the student with
// the highest marks, whatever the gender. This file holds records only, no count.
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
    std::printf("Enter n: ");
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    std::vector<Student> students(static_cast<std::size_t>(n));

    // Records are read from the start of the file. A file that begins with a count
    // does not fit: its count is taken as a name, and the read of the marks that
    // follows fails on the gender word, ending the program with a message.
    int best = -1;
    float best_marks = 0.0f;
    for (int i = 0; i < n; ++i) {
        Student& s = students[static_cast<std::size_t>(i)];
        file.read("%9s%5s%f", s.name, s.gender, &s.marks);
        if (s.marks > best_marks) {
            best_marks = s.marks;
            best = i;
        }
    }

    for (const Student& s : students) std::printf("%10s %5s - %.2f\n", s.name, s.gender, s.marks);
    // No one above 0 marks (or no records asked for): there is no name to give.
    if (best < 0)
        std::puts("No student");
    else
        std::printf("Best girl student: %s\n", students[static_cast<std::size_t>(best)].name);
    return 0;
}
