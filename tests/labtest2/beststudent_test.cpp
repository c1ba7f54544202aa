// Dialogues of the best-girl-student family: each member lists a counted record file
// of students and names the girl with the highest marks by its own rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// A boy on top; three records share 81.5, two girls and a boy between them; 77.3
// shows single precision under "%f".
const std::string ties = "5\nbob boy 90\nann girl 81.5\neve boy 81.5\ncat girl 81.5\ndan boy 77.3\n";
// The same records without the count, as beststudent03 reads them.
const std::string ties_uncounted = "bob boy 90\nann girl 81.5\neve boy 81.5\ncat girl 81.5\ndan boy 77.3\n";
// Girls at -0.5 and 0 only: above the bar of -1, at the bar of 0.
const std::string at_bar = "3\nbob boy 5\nann girl -0.5\ncat girl 0\n";
const std::string no_girl = "2\nbob boy 90\ndan boy 40\n";

class Dialogues : public ::testing::TestWithParam<Case> {};
TEST_P(Dialogues, Match) { dialogue::check(GetParam()); }

// Ties among the best girls, a boy above them and a boy level with them.
INSTANTIATE_TEST_SUITE_P(Ties, Dialogues, ::testing::Values(
    Case{"s01_earlier_girl", "beststudent01", "",
         "bob boy - 90.00\nann girl - 81.50\neve boy - 81.50\ncat girl - 81.50\ndan boy - 77.30\n"
         "Best girl student - ann \n", 0, "", {{"t3e.txt", ties}}},
    Case{"s02_later_girl", "beststudent02", "",
         "bob boy-90.00\nann girl-81.50\neve boy-81.50\ncat girl-81.50\ndan boy-77.30\nBest girl student: cat", 0, "",
         {{"t3e.txt", ties}}},
    Case{"s03_boy_on_top", "beststudent03", "5\n",
         "Enter n:        bob   boy - 90.00\n       ann  girl - 81.50\n       eve   boy - 81.50\n"
         "       cat  girl - 81.50\n       dan   boy - 77.30\nBest girl student: bob\n", 0, "",
         {{"t3e.txt", ties_uncounted}}},
    Case{"s04_first_record_a_better_boy", "beststudent04", "",
         "       bob  boy - 90.00\n       ann girl - 81.50\n       eve  boy - 81.50\n       cat girl - 81.50\n"
         "       dan  boy - 77.30\nBest girl student: ann.\n", 0, "", {{"t3e.txt", ties}}},
    Case{"s05_both_girls_not_the_boy", "beststudent05", "5\n",
         "enter nbob boy 90.00\nann girl 81.50\neve boy 81.50\ncat girl 81.50\ndan boy 77.30\n"
         "best girl student : annbest girl student : cat", 0, "", {{"t3e.txt", ties}}},
    Case{"s06_earlier_girl", "beststudent06", "",
         "bob   boy - 90.00 \nann   girl - 81.50 \neve   boy - 81.50 \ncat   girl - 81.50 \ndan   boy - 77.30 \n"
         "best girl is: ann \n", 0, "", {{"t3e.txt", ties}}},
    Case{"s07_earlier_girl", "beststudent07", "",
         "bob boy 90.00\nann girl 81.50\neve boy 81.50\ncat girl 81.50\ndan boy 77.30\nBest girl student: ann\n", 0, "",
         {{"t3e.txt", ties}}},
    Case{"s09_earlier_girl", "beststudent09", "",
         "bob boy - 90.00\nann girl - 81.50\neve boy - 81.50\ncat girl - 81.50\ndan boy - 77.30\n"
         "Best girl student: ann", 0, "", {{"t3o.txt", ties}}},
    Case{"s10_earlier_girl", "beststudent10", "",
         "bob boy-90.000000\nann girl-81.500000\neve boy-81.500000\ncat girl-81.500000\ndan boy-77.300003\n"
         "Best girl student: ann", 0, "", {{"t3o.txt", ties}}}),
    dialogue::CaseName{});

// Where each member's bar lies, and what it prints when no one passes.
INSTANTIATE_TEST_SUITE_P(Bars, Dialogues, ::testing::Values(
    Case{"s01_above_minus_one", "beststudent01", "",
         "bob boy - 5.00\nann girl - -0.50\ncat girl - 0.00\nBest girl student - cat \n", 0, "", {{"t3e.txt", at_bar}}},
    Case{"s01_girls_at_or_below_minus_one", "beststudent01", "",
         "ann girl - -1.00\nbob boy - 7.00\ncat girl - -4.00\nNo girl student\n", 0, "",
         {{"t3e.txt", "3\nann girl -1\nbob boy 7\ncat girl -4\n"}}},
    Case{"s02_zero_is_at_the_bar", "beststudent02", "",
         "bob boy-5.00\nann girl--0.50\ncat girl-0.00\nBest girl student: cat", 0, "", {{"t3e.txt", at_bar}}},
    Case{"s03_no_one_above_zero", "beststudent03", "2\n", "Enter n:        ann  girl - -2.00\n       bob   boy - 0.00\nNo student\n",
         0, "", {{"t3e.txt", "ann girl -2\nbob boy 0\n"}}},
    Case{"s04_no_bar", "beststudent04", "",
         "       bob  boy - 5.00\n       ann girl - -0.50\n       cat girl - 0.00\nBest girl student: cat.\n", 0, "",
         {{"t3e.txt", at_bar}}},
    // No girl above 0: the best marks stay 0, so girls with exactly 0 are printed.
    Case{"s05_girls_at_zero_printed", "beststudent05", "3\n",
         "enter nbob boy 5.00\nann girl -0.50\ncat girl 0.00\nbest girl student : cat", 0, "", {{"t3e.txt", at_bar}}},
    Case{"s06_no_girl_above_zero", "beststudent06", "", "bob   boy - 5.00 \nann   girl - -0.50 \ncat   girl - 0.00 \nno girl", 0,
         "", {{"t3e.txt", at_bar}}},
    Case{"s07_no_bar", "beststudent07", "", "bob boy 5.00\nann girl -0.50\ncat girl 0.00\nBest girl student: cat\n", 0, "",
         {{"t3e.txt", at_bar}}},
    Case{"s09_no_girl_above_zero", "beststudent09", "", "bob boy - 5.00\nann girl - -0.50\ncat girl - 0.00\nNo girl student",
         0, "", {{"t3o.txt", at_bar}}},
    Case{"s10_no_girl_above_zero", "beststudent10", "",
         "bob boy-5.000000\nann girl--0.500000\ncat girl-0.000000\nNo girl student", 0, "", {{"t3o.txt", at_bar}}}),
    dialogue::CaseName{});

// Files without a girl, and counts other than the number of records.
INSTANTIATE_TEST_SUITE_P(Records, Dialogues, ::testing::Values(
    Case{"s01_no_girl", "beststudent01", "", "bob boy - 90.00\ndan boy - 40.00\nNo girl student\n", 0, "",
         {{"t3e.txt", no_girl}}},
    Case{"s02_no_girl", "beststudent02", "", "bob boy-90.00\ndan boy-40.00\nNo girl student", 0, "", {{"t3e.txt", no_girl}}},
    Case{"s04_no_girl", "beststudent04", "", "       bob  boy - 90.00\n       dan  boy - 40.00\nNo girl student.\n", 0, "",
         {{"t3e.txt", no_girl}}},
    Case{"s05_no_girl", "beststudent05", "2\n", "enter nbob boy 90.00\ndan boy 40.00\n", 0, "", {{"t3e.txt", no_girl}}},
    Case{"s07_no_girl", "beststudent07", "", "bob boy 90.00\ndan boy 40.00\nNo girl student\n", 0, "", {{"t3e.txt", no_girl}}},
    Case{"s01_count_zero", "beststudent01", "", "No girl student\n", 0, "", {{"t3e.txt", "0\n"}}},
    Case{"s01_records_beyond_the_count_ignored", "beststudent01", "", "ann girl - 70.00\nBest girl student - ann \n", 0, "",
         {{"t3e.txt", "1\nann girl 70\nbob girl 99\n"}}},
    Case{"s03_count_typed_below_the_file", "beststudent03", "2\n",
         "Enter n:        bob   boy - 90.00\n       ann  girl - 81.50\nBest girl student: bob\n", 0, "",
         {{"t3e.txt", ties_uncounted}}},
    // The count line is skipped whole, however long it is.
    Case{"s05_two_digit_count_line", "beststudent05", "2\n", "enter nann girl 5.00\nbob boy 9.00\nbest girl student : ann", 0,
         "", {{"t3e.txt", "12\nann girl 5\nbob boy 9\n"}}},
    Case{"s04_ten_letter_name_fits", "beststudent04", "", "abcdefghij girl - 5.00\nBest girl student: abcdefghij.\n", 0, "",
         {{"t3e.txt", "1\nabcdefghij girl 5\n"}}}),
    dialogue::CaseName{});

// A data file that cannot be opened; the other file of the pair is present.
INSTANTIATE_TEST_SUITE_P(MissingFile, Dialogues, ::testing::Values(
    Case{"s01_no_t3e", "beststudent01", "", "", 1, "cannot open t3e.txt", {{"t3o.txt", ties}}},
    Case{"s02_no_t3e", "beststudent02", "", "", 1, "cannot open t3e.txt", {{"t3o.txt", ties}}},
    Case{"s03_no_t3e", "beststudent03", "5\n", "", 1, "cannot open t3e.txt", {{"t3o.txt", ties_uncounted}}},
    Case{"s04_no_t3e", "beststudent04", "", "File did not open.\n", 0, "", {{"t3o.txt", ties}}},
    Case{"s05_no_t3e", "beststudent05", "5\n", "enter nfile cannot be opened", 0, "", {{"t3o.txt", ties}}},
    Case{"s06_no_t3e", "beststudent06", "", "0", 0, "", {{"t3o.txt", ties}}},
    Case{"s07_no_t3e", "beststudent07", "", "", 1, "cannot open t3e.txt", {{"t3o.txt", ties}}},
    Case{"s08_no_fixed_file", "beststudent08", "", "Error in opening file\n", 255, "", {{"t3e.txt", ties}}},
    Case{"s09_no_t3o", "beststudent09", "", "ERROR IN FILE CREATION", 255, "", {{"t3e.txt", ties}}},
    Case{"s10_no_t3o", "beststudent10", "", "", 0, "", {{"t3e.txt", ties}}}),
    dialogue::CaseName{});

// Files and replies that do not fit: one line on stderr, status 1, nothing listed.
const std::string short_file = "3\nann girl 5\nbob boy 6\n";
INSTANTIATE_TEST_SUITE_P(Refused, Dialogues, ::testing::Values(
    Case{"s01_fewer_records", "beststudent01", "", "", 1, "t3e.txt: expected a word, found the end of the file",
         {{"t3e.txt", short_file}}},
    Case{"s02_fewer_records", "beststudent02", "", "", 1, "found the end of the file", {{"t3e.txt", short_file}}},
    Case{"s03_fewer_records_than_typed", "beststudent03", "3\n", "Enter n: ", 1, "found the end of the file",
         {{"t3e.txt", "ann girl 5\nbob boy 6\n"}}},
    Case{"s04_fewer_records", "beststudent04", "", "", 1, "found the end of the file", {{"t3e.txt", short_file}}},
    Case{"s05_fewer_records_than_typed", "beststudent05", "3\n", "enter n", 1, "found the end of the file",
         {{"t3e.txt", "2\nann girl 5\nbob boy 6\n"}}},
    Case{"s06_fewer_records", "beststudent06", "", "", 1, "found the end of the file", {{"t3e.txt", short_file}}},
    Case{"s07_fewer_records", "beststudent07", "", "", 1, "found the end of the file", {{"t3e.txt", short_file}}},
    Case{"s09_fewer_records", "beststudent09", "", "", 1, "t3o.txt: expected a word, found the end of the file",
         {{"t3o.txt", short_file}}},
    Case{"s10_fewer_records", "beststudent10", "", "", 1, "found the end of the file", {{"t3o.txt", short_file}}},
    Case{"s01_name_too_long", "beststudent01", "", "", 1, "t3e.txt: expected a word of at most 9 characters",
         {{"t3e.txt", "1\nabcdefghij girl 5\n"}}},
    Case{"s06_gender_too_long", "beststudent06", "", "", 1, "t3e.txt: expected a word of at most 4 characters",
         {{"t3e.txt", "1\nann woman 5\n"}}},
    Case{"s10_gender_too_long", "beststudent10", "", "", 1, "t3o.txt: expected a word of at most 5 characters",
         {{"t3o.txt", "1\nann female 5\n"}}},
    Case{"s03_counted_file", "beststudent03", "2\n", "Enter n: ", 1, "t3e.txt: expected a number",
         {{"t3e.txt", "2\nann girl 5\nbob boy 6\n"}}},
    Case{"s07_marks_not_a_number", "beststudent07", "", "", 1, "t3e.txt: expected a number",
         {{"t3e.txt", "1\nann girl high\n"}}},
    Case{"s01_negative_count", "beststudent01", "", "", 1, "t3e.txt: the count must be from 0 to 1000000",
         {{"t3e.txt", "-1\n"}}},
    Case{"s04_count_above_limit", "beststudent04", "", "", 1, "the count must be from 0 to 1000000",
         {{"t3e.txt", "1000001\n"}}},
    Case{"s09_count_not_a_number", "beststudent09", "", "", 1, "t3o.txt: expected a whole number", {{"t3o.txt", "x\n"}}},
    Case{"s06_empty_file", "beststudent06", "", "", 1, "found the end of the file", {{"t3e.txt", ""}}},
    Case{"s03_letters_typed", "beststudent03", "abc\n", "Enter n: ", 1, "expected a whole number",
         {{"t3e.txt", ties_uncounted}}},
    Case{"s05_negative_count_typed", "beststudent05", "-2\n", "enter n", 1, "n must be from 0 to 1000000",
         {{"t3e.txt", ties}}},
    Case{"s05_end_of_input", "beststudent05", "", "enter n", 1, "found the end of input", {{"t3e.txt", ties}}}),
    dialogue::CaseName{});

// beststudent08 reads a fixed absolute path. Its main path runs inside a private mount
// namespace, in a root of its own on a tmpfs where that path exists; nothing is
// written outside a temporary directory. Skipped where namespaces are not allowed.
struct FixedPathCase {
    std::string name;
    std::string file;
    std::string out;
    int status = 0;
    std::string err_has;
};

void PrintTo(const FixedPathCase& c, std::ostream* os) { *os << c.name; }

// Sets up the private root and runs the member there; writes its status to "status".
const char* const chroot_script = R"sh(set -e
T=$1; BIN=$2; M=$3
mount -t tmpfs none "$T/root"
for d in bin sbin lib lib32 lib64 libx32 usr; do
  if [ -L "/$d" ]; then ln -s "$(readlink "/$d")" "$T/root/$d"
  elif [ -d "/$d" ]; then mkdir "$T/root/$d"; mount --rbind "/$d" "$T/root/$d"; fi
done
mkdir -p "$T/root/proc" "$T/root/dev" "$T/root/Users/quindel/Desktop" "$T/root/work" "$T/root/prog"
mount --rbind /proc "$T/root/proc"
mount --rbind /dev "$T/root/dev"
cp "$T/fixture" "$T/root/Users/quindel/Desktop/program.txt"
cp "$BIN/$M" "$T/root/prog/$M"
set +e
chroot "$T/root" /bin/sh -c "cd /work && exec /prog/$M" < /dev/null > "$T/out" 2> "$T/err"
echo $? > "$T/status"
)sh";

class FixedPath : public ::testing::TestWithParam<FixedPathCase> {};

TEST_P(FixedPath, Match) {
    namespace fs = std::filesystem;
    const FixedPathCase& c = GetParam();
    std::string tmpl = (fs::temp_directory_path() / "bs08-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    const fs::path t = tmpl;
    fs::create_directory(t / "root");
    dialogue::write_file(t / "fixture", c.file);
    dialogue::write_file(t / "run.sh", chroot_script);
    const std::string command = "unshare -m /bin/sh '" + (t / "run.sh").string() + "' '" + t.string() + "' '" +
                                dialogue::bin_dir() + "' beststudent08 >/dev/null 2>&1";
    const int setup = std::system(command.c_str());
    const bool ran = setup == 0 && fs::exists(t / "status");
    const std::string out = dialogue::read_file(t / "out");
    const std::string err = dialogue::read_file(t / "err");
    const int status = ran ? std::stoi(dialogue::read_file(t / "status")) : -1;
    // Only the files named here are removed: the root is an empty directory outside
    // the namespace, and nothing is removed recursively.
    std::error_code ec;
    for (const char* f : {"fixture", "run.sh", "out", "err", "status"}) fs::remove(t / f, ec);
    fs::remove(t / "root", ec);
    fs::remove(t, ec);
    if (!ran) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(dialogue::visible(out), dialogue::visible(c.out));
    EXPECT_EQ(status, c.status);
    if (c.err_has.empty())
        EXPECT_EQ(err, "");
    else
        EXPECT_NE(err.find(c.err_has), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(Beststudent08, FixedPath, ::testing::Values(
    FixedPathCase{"earlier_girl", ties,
                  "bob boy - 90.000000\nann girl - 81.500000\neve boy - 81.500000\ncat girl - 81.500000\n"
                  "dan boy - 77.300003\nBest girl student:ann"},
    FixedPathCase{"no_girl_above_zero", at_bar,
                  "bob boy - 5.000000\nann girl - -0.500000\ncat girl - 0.000000\nNo girl student"},
    FixedPathCase{"count_line_too_long", "5         \nann girl 5\n", "", 1, "a line longer than 8 characters"},
    FixedPathCase{"fewer_records", short_file, "", 1, "program.txt: expected a word, found the end of the file"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
