// Lists the students of a fixed file and names the girl with the highest marks.
#include <cstdio>
#include <cstring>
#include <vector>

#include "console.hpp"

namespace {

constexpr const char* data_file = "/Users/quindel/Desktop/program.txt";

struct Student {
    char name[10];
    char gender[6];
    float marks;
};

// The index of the girl with the highest marks above 0 (the first among equals),
// or -1 when there is none.
int findMax(const std::vector<Student>& students, int n) {
    int best = -1;
    float best_marks = 0.0f;
    for (int i = 0; i < n; ++i) {
        const Student& s = students[static_cast<std::size_t>(i)];
        if (std::strcmp(s.gender, "girl") == 0 && s.marks > best_marks) {
            best_marks = s.marks;
            best = i;
        }
    }
    return best;
}

// The count stands alone on the first line, which must fit the 10-character buffer.
int read_count(rt::File& file) {
    char line[10];
    if (!file.get_line(line)) rt::fail("%s: expected a whole number, found the end of the file", data_file);
    int n = 0;
    if (rt::sscan(data_file, line, "%d", &n) != 1) rt::fail("%s: expected a whole number", data_file);
    return n;
}

}  // namespace

int main() {
    rt::File file(data_file, "r");
    if (!file) {
        std::puts("Error in opening file");
        return -1;
    }
    const int n = read_count(file);
    rt::check_range(n, 0, rt::max_run_time_size, "the count in the file");
    std::vector<Student> students(static_cast<std::size_t>(n));
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) file.read("%9s %5s %f", s.name, s.gender, &s.marks);
    file.close();

    for (const Student& s : students) std::printf("%s %s - %f\n", s.name, s.gender, s.marks);
    const int best = findMax(students, n);
    // With no girl above 0 marks there is no name to give: say so instead, without
    // a newline like the result line.
    if (best < 0)
        std::printf("No girl student");
    else
        std::printf("Best girl student:%s", students[static_cast<std::size_t>(best)].name);
    return 0;
}
