// Reads as many records of t3e.txt as the user asks for and names every girl who
// holds the highest marks among the girls.
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

// The file's own count is not used: the records start after its count line. The
// count normally takes one digit and its newline (two bytes); a longer count line
// is skipped to its end as well, so that its last digits are not taken as a name.
void skip_count_line(std::FILE* f) {
    std::fseek(f, 1, SEEK_SET);
    int c = std::getc(f);
    while (c != EOF && c != '\n') c = std::getc(f);
}

}  // namespace

int main() {
    int n = 0;
    std::printf("enter n");
    rt::read("%d", &n);
    rt::check_range(n, 0, rt::max_run_time_size, "n");
    rt::File file("t3e.txt", "r");
    if (!file) {
        std::printf("file cannot be opened");
        return 0;
    }
    skip_count_line(file.get());

    std::vector<Student> students(static_cast<std::size_t>(n));
    // Exactly n records; anything after them in the file is ignored.
    for (Student& s : students) file.read("%9s %5s %f", s.name, s.gender, &s.marks);
    for (const Student& s : students) std::printf("%s %s %2.2f\n", s.name, s.gender, s.marks);

    // The best marks among the girls above a bar of 0, then every girl holding them.
    float best_marks = 0.0f;
    for (const Student& s : students)
        if (is_girl(s) && s.marks > best_marks) best_marks = s.marks;
    for (const Student& s : students)
        if (is_girl(s) && s.marks == best_marks) std::printf("best girl student : %s", s.name);
    file.close();
    return 0;
}
