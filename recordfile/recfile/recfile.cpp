// A menu over student.txt, a file of fixed-size binary student records: insert,
// display, search and delete by roll number.
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "console.hpp"

namespace {

// One record as it lies in the file: 76 bytes, little-endian, no padding.
struct student {
    int roll;
    char name[30];
    char surname[30];
    float physics;
    float chemistry;
    float maths;
};

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(sizeof(int) == 4 && sizeof(float) == 4);
static_assert(sizeof(student) == 76, "a record is 76 bytes with no padding");
static_assert(offsetof(student, roll) == 0);
static_assert(offsetof(student, name) == 4);
static_assert(offsetof(student, surname) == 34);
static_assert(offsetof(student, physics) == 64);
static_assert(offsetof(student, chemistry) == 68);
static_assert(offsetof(student, maths) == 72);

// The one record buffer every operation reads into and writes from. Bytes after a
// name's terminator keep whatever an earlier record left there and go to the file
// as they are.
student stud{};

constexpr const char* student_file = "student.txt";
constexpr const char* temp_file = "TempFile.txt";

bool read_record(std::FILE* f) { return std::fread(&stud, sizeof stud, 1, f) == 1; }
bool write_record(std::FILE* f) { return std::fwrite(&stud, sizeof stud, 1, f) == 1; }

// Opens student.txt for reading into `f`. A file that does not exist yet holds no
// records: `f` stays closed and the result is true. The result is false when the file
// exists but cannot be opened.
bool open_records(rt::File& f) {
    errno = 0;
    f = rt::File(student_file, "r");
    return f || errno == ENOENT;
}

// Reads one word into a name field the way "%s" would store it: the letters and the
// terminator, the bytes after it left as they were. A word longer than 29 characters
// is refused and leaves the field untouched.
bool read_name(char (&field)[30]) {
    char word[30];
    if (!rt::read_or_refuse("%29s", word)) return false;
    std::memcpy(field, word, std::strlen(word) + 1);
    return true;
}

void insert() {
    rt::File f(student_file, "a");
    if (!f) {
        rt::warn("cannot open %s; no record was inserted", student_file);
        return;
    }
    std::printf("Enter the Roll no   :");
    rt::read("%d", &stud.roll);
    std::printf("Enter the Name      :");
    if (!read_name(stud.name)) return;
    std::printf("Enter the Surname      :");
    if (!read_name(stud.surname)) return;
    std::printf("Enter the mark pecentage in physics     :");
    rt::read("%f", &stud.physics);
    std::printf("Enter the mark pecentage in chemistry     :");
    rt::read("%f", &stud.chemistry);
    std::printf("Enter the mark pecentage in maths     :");
    rt::read("%f", &stud.maths);
    const bool written = write_record(f.get());
    if (!f.close() || !written) rt::warn("cannot write %s; the record was not inserted", student_file);
}

// Names are printed to their terminator but never past the end of their field, so a
// record from a damaged file cannot run into the next field.
void disp() {
    rt::File f;
    if (!open_records(f)) {
        rt::warn("cannot open %s", student_file);
        return;
    }
    std::puts("\nRoll Number\tName\tSurname\tMark percentage in physics\tMark percentage in chemistry\tMark "
              "percentage in maths\n");
    if (!f) return;
    while (read_record(f.get()))
        std::printf("  %d\t%.30s\t%.30s\t%f\t%f\t%f\n", stud.roll, stud.name, stud.surname, stud.physics,
                    stud.chemistry, stud.maths);
    if (std::ferror(f.get())) rt::warn("cannot read %s", student_file);
}

void search() {
    int roll = 0;
    std::printf("\nEnter the Roll no you want to search  :");
    rt::read("%d", &roll);
    rt::File f;
    if (!open_records(f)) {
        rt::warn("cannot open %s", student_file);
        return;
    }
    if (!f) return;
    while (read_record(f.get())) {
        if (stud.roll != roll) continue;
        std::printf("\nRoll no = %d", stud.roll);
        std::printf("\nName    = %.30s", stud.name);
        std::printf("\nSurname    = %.30s", stud.surname);
        std::printf("\nMark in physics   = %.2f\n", stud.physics);
        std::printf("\nMark in chemistry   = %.2f\n", stud.chemistry);
        std::printf("\nMark in maths   = %.2f\n", stud.maths);
    }
    if (std::ferror(f.get())) rt::warn("cannot read %s", student_file);
}

// First pass of a deletion: every record of student.txt without the roll number goes
// to TempFile.txt. Succeeds only when that copy is complete on disk.
bool copy_survivors(int roll) {
    rt::File source;
    if (!open_records(source)) {
        rt::warn("cannot open %s; nothing was deleted", student_file);
        return false;
    }
    rt::File temp(temp_file, "w");
    if (!temp) {
        rt::warn("cannot create %s; %s is left unchanged", temp_file, student_file);
        return false;
    }
    bool written = true;
    if (source) {
        while (written && read_record(source.get()))
            if (stud.roll != roll) written = write_record(temp.get());
        if (std::ferror(source.get())) {
            rt::warn("cannot read %s; it is left unchanged", student_file);
            return false;
        }
    }
    if (!temp.close() || !written) {
        rt::warn("cannot write %s; %s is left unchanged", temp_file, student_file);
        return false;
    }
    return true;
}

// Second pass: student.txt is emptied and refilled from TempFile.txt, in order. The
// temporary file is opened first, so that student.txt is emptied only when its
// replacement can be read.
bool copy_back() {
    rt::File temp(temp_file, "r");
    if (!temp) {
        rt::warn("cannot reopen %s; %s is left unchanged", temp_file, student_file);
        return false;
    }
    rt::File target(student_file, "w");
    if (!target) {
        rt::warn("cannot rewrite %s; it is left unchanged", student_file);
        return false;
    }
    bool written = true;
    while (written && read_record(temp.get())) written = write_record(target.get());
    if (std::ferror(temp.get())) written = false;
    if (!target.close() || !written) {
        rt::warn("cannot write %s; its records are kept in %s", student_file, temp_file);
        return false;
    }
    return true;
}

// Deletes every record with the roll number typed, by copying through TempFile.txt,
// which stays on disk. A student.txt that does not exist yet deletes as an empty one.
void deletefile() {
    int roll = 0;
    std::printf("Enter the Roll no you want to delete :");
    rt::read("%d", &roll);
    if (copy_survivors(roll) && copy_back()) std::puts("\nRECORD DELETED");
}

void show_menu() {
    std::puts("\n\t---Select your choice---------");
    std::printf("\n\t1. INSERT\n\t2. DISPLAY\n\t3. SEARCH");
    std::printf("\n\t4. DELETE\n\t5. EXIT");
    std::puts("\n\n------------------------------------------");
    std::printf("\nEnter your choice:");
}

}  // namespace

int main() {
    for (;;) {
        show_menu();
        int choice = 0;
        // A reply that is not a number is reported and the menu comes back.
        if (!rt::read_menu("%d", &choice)) continue;
        std::printf("\n");
        switch (choice) {
        case 1: insert(); break;
        case 2: disp(); break;
        case 3: search(); break;
        case 4: deletefile(); break;
        case 5: return 0;
        default: std::puts("\nYour choice is wrong\nPlease try again..."); break;
        }
    }
}
