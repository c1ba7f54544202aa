// Dialogues of the student record file: the menu, the four operations, the exact
// bytes of student.txt and TempFile.txt, and deletions that must never lose a record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogue.hpp"

namespace {

using dialogue::Case;
using namespace std::string_literals;

const std::string menu =
    "\n\t---Select your choice---------\n"
    "\n\t1. INSERT\n\t2. DISPLAY\n\t3. SEARCH\n\t4. DELETE\n\t5. EXIT"
    "\n\n------------------------------------------\n"
    "\nEnter your choice:";
// The menu with a choice read: the newline that follows every choice.
const std::string chose = menu + "\n";
const std::string wrong = "\nYour choice is wrong\nPlease try again...\n";
const std::string leave = chose;  // choice 5

const std::string insert_prompts =
    "Enter the Roll no   :Enter the Name      :Enter the Surname      :"
    "Enter the mark pecentage in physics     :Enter the mark pecentage in chemistry     :"
    "Enter the mark pecentage in maths     :";
const std::string header =
    "\nRoll Number\tName\tSurname\tMark percentage in physics\tMark percentage in chemistry\t"
    "Mark percentage in maths\n\n";
const std::string search_prompt = "\nEnter the Roll no you want to search  :";
const std::string delete_prompt = "Enter the Roll no you want to delete :";
const std::string deleted = "\nRECORD DELETED\n";

std::string le32(const void* p) { return std::string(static_cast<const char*>(p), 4); }

// A 30-byte name field: the given bytes, then zero bytes.
std::string field(const std::string& bytes) { return bytes + std::string(30 - bytes.size(), '\0'); }

// One 76-byte record image; `name` and `surname` are the field's leading bytes.
std::string record(int roll, const std::string& name, const std::string& surname, float physics, float chemistry,
                   float maths) {
    return le32(&roll) + field(name) + field(surname) + le32(&physics) + le32(&chemistry) + le32(&maths);
}

// Records used across the tables.
const std::string ann = record(7, "Ann"s, "Lee"s, 80.5f, 70.25f, 33.3f);
const std::string bob = record(3, "Bob"s, "Ray"s, 50.0f, 60.0f, 70.0f);
const std::string amy = record(7, "Amy"s, "Fox"s, 1.0f, 2.0f, 3.0f);
const std::string ann_line = "  7\tAnn\tLee\t80.500000\t70.250000\t33.299999\n";
const std::string bob_line = "  3\tBob\tRay\t50.000000\t60.000000\t70.000000\n";
const std::string amy_line = "  7\tAmy\tFox\t1.000000\t2.000000\t3.000000\n";
const std::string ann_found =
    "\nRoll no = 7\nName    = Ann\nSurname    = Lee\nMark in physics   = 80.50\n"
    "\nMark in chemistry   = 70.25\n\nMark in maths   = 33.30\n";
const std::string amy_found =
    "\nRoll no = 7\nName    = Amy\nSurname    = Fox\nMark in physics   = 1.00\n"
    "\nMark in chemistry   = 2.00\n\nMark in maths   = 3.00\n";

class Recfile : public ::testing::TestWithParam<Case> {};
TEST_P(Recfile, MatchesDialogue) { dialogue::check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Menu, Recfile, ::testing::Values(
    Case{"wrong_choices_show_menu_again", "recfile", "0\n-1\n6\n5\n", chose + wrong + chose + wrong + chose + wrong + leave},
    Case{"end_of_input_at_menu_leaves_quietly", "recfile", "", menu},
    Case{"end_of_input_after_wrong_choice", "recfile", "9\n", chose + wrong + menu},
    Case{"non_numeric_choice_reported_menu_again", "recfile", "two\n2\n5\n",
         menu + chose + header + leave, 0, "expected a whole number",
         {}, {{"student.txt", std::nullopt}}}),
    dialogue::CaseName{});

// Reading into the one record buffer: names keep the bytes an earlier record left
// after their terminator, and those bytes are written to the file.
INSTANTIATE_TEST_SUITE_P(Insert, Recfile, ::testing::Values(
    Case{"insert_creates_file_with_76_byte_record", "recfile", "1\n7\nAnn\nLee\n80.5\n70.25\n33.3\n5\n",
         chose + insert_prompts + leave, 0, "", {}, {{"student.txt", ann}}},
    Case{"insert_appends_shorter_name_keeps_leftover_bytes", "recfile",
         "1\n7\nAlexander\nSmithson\n1\n2\n3\n1\n8\nBo\nLi\n4\n5\n6\n5\n",
         chose + insert_prompts + chose + insert_prompts + leave, 0, "", {},
         {{"student.txt", record(7, "Alexander"s, "Smithson"s, 1, 2, 3) +
                              record(8, "Bo\0xander"s, "Li\0thson"s, 4, 5, 6)}}},
    Case{"display_leaves_last_record_in_buffer", "recfile", "2\n1\n9\nAl\nBe\n1\n2\n3\n5\n",
         chose + header + "  5\tChristopher\tColumbus\t1.000000\t2.000000\t3.000000\n" + chose + insert_prompts + leave,
         0, "", {{"student.txt", record(5, "Christopher"s, "Columbus"s, 1, 2, 3)}},
         {{"student.txt", record(5, "Christopher"s, "Columbus"s, 1, 2, 3) +
                              record(9, "Al\0istopher"s, "Be\0umbus"s, 1, 2, 3)}}},
    Case{"name_of_29_characters_fits", "recfile", "1\n1\n" + std::string(29, 'n') + "\n" + std::string(29, 's') + "\n1\n2\n3\n5\n",
         chose + insert_prompts + leave, 0, "", {},
         {{"student.txt", record(1, std::string(29, 'n'), std::string(29, 's'), 1, 2, 3)}}},
    Case{"name_of_30_characters_refused_nothing_written", "recfile",
         "1\n1\n" + std::string(30, 'n') + "\n5\n",
         chose + "Enter the Roll no   :Enter the Name      :" + leave, 0, "29", {{"student.txt", ann}},
         {{"student.txt", ann}}},
    Case{"surname_of_30_characters_refused_nothing_written", "recfile",
         "1\n1\nAl\n" + std::string(30, 's') + " more\n5\n",
         chose + "Enter the Roll no   :Enter the Name      :Enter the Surname      :" + leave, 0, "29",
         {{"student.txt", ann}}, {{"student.txt", ann}}},
    Case{"refused_name_leaves_buffer_untouched", "recfile",
         "1\n1\n" + std::string(40, 'n') + "\n1\n2\nAl\nBe\n1\n2\n3\n5\n",
         chose + "Enter the Roll no   :Enter the Name      :" + chose + insert_prompts + leave, 0, "29", {},
         {{"student.txt", record(2, "Al"s, "Be"s, 1, 2, 3)}}}),
    dialogue::CaseName{});

INSTANTIATE_TEST_SUITE_P(DisplayAndSearch, Recfile, ::testing::Values(
    Case{"display_before_file_exists_is_empty", "recfile", "2\n5\n", chose + header + leave, 0, "", {},
         {{"student.txt", std::nullopt}}},
    Case{"display_empty_file_header_only", "recfile", "2\n5\n", chose + header + leave, 0, "", {{"student.txt", ""}}},
    Case{"display_in_insertion_order", "recfile", "2\n5\n", chose + header + ann_line + bob_line + amy_line + leave, 0,
         "", {{"student.txt", ann + bob + amy}}},
    Case{"display_ignores_partial_last_record", "recfile", "2\n5\n", chose + header + bob_line + leave, 0, "",
         {{"student.txt", bob + ann.substr(0, 40)}}},
    // A name without its terminator (a damaged file) stops at the end of its field.
    Case{"unterminated_name_stops_at_field_end", "recfile", "2\n3\n4\n5\n",
         chose + header + "  4\t" + std::string(30, 'A') + "\tZed\t1.000000\t2.000000\t3.000000\n" + chose + search_prompt +
             "\nRoll no = 4\nName    = " + std::string(30, 'A') +
             "\nSurname    = Zed\nMark in physics   = 1.00\n\nMark in chemistry   = 2.00\n\nMark in maths   = 3.00\n" + leave,
         0, "", {{"student.txt", record(4, std::string(30, 'A'), "Zed"s, 1, 2, 3)}}},
    Case{"search_prints_every_match_two_decimals", "recfile", "3\n7\n5\n",
         chose + search_prompt + ann_found + amy_found + leave, 0, "", {{"student.txt", ann + bob + amy}}},
    Case{"search_without_match_prints_nothing", "recfile", "3\n4\n5\n", chose + search_prompt + leave, 0, "",
         {{"student.txt", ann + bob}}},
    Case{"search_before_file_exists_prints_nothing", "recfile", "3\n7\n5\n", chose + search_prompt + leave, 0, "", {},
         {{"student.txt", std::nullopt}}}),
    dialogue::CaseName{});

INSTANTIATE_TEST_SUITE_P(Delete, Recfile, ::testing::Values(
    Case{"delete_removes_all_duplicates_keeps_order", "recfile", "4\n7\n2\n5\n",
         chose + delete_prompt + deleted + chose + header + bob_line + bob_line + leave, 0, "",
         {{"student.txt", ann + bob + amy + bob}}, {{"student.txt", bob + bob}, {"TempFile.txt", bob + bob}}},
    Case{"delete_without_match_keeps_content", "recfile", "4\n99\n5\n", chose + delete_prompt + deleted + leave, 0, "",
         {{"student.txt", ann + bob}, {"TempFile.txt", "old"}}, {{"student.txt", ann + bob}, {"TempFile.txt", ann + bob}}},
    Case{"delete_last_record_empties_both", "recfile", "4\n3\n5\n", chose + delete_prompt + deleted + leave, 0, "",
         {{"student.txt", bob}}, {{"student.txt", ""}, {"TempFile.txt", ""}}},
    Case{"delete_before_file_exists_as_on_empty_file", "recfile", "4\n3\n5\n", chose + delete_prompt + deleted + leave, 0,
         "", {}, {{"student.txt", ""}, {"TempFile.txt", ""}}}),
    dialogue::CaseName{});

// A deletion whose copy cannot be made complete leaves student.txt as it was,
// reports the failure and brings the menu back.
Case fault(std::string name, std::string input, std::string out, std::string err, dialogue::Files before,
           std::map<std::string, std::optional<std::string>> after, std::vector<std::string> dirs) {
    Case c{std::move(name), "recfile", std::move(input), std::move(out), 0, std::move(err), std::move(before), std::move(after)};
    c.dirs = std::move(dirs);
    return c;
}

INSTANTIATE_TEST_SUITE_P(Faults, Recfile, ::testing::Values(
    fault("temp_file_cannot_be_created_nothing_lost", "4\n7\n2\n5\n",
          chose + delete_prompt + chose + header + ann_line + bob_line + amy_line + leave,
          "cannot create TempFile.txt", {{"student.txt", ann + bob + amy}}, {{"student.txt", ann + bob + amy}},
          {"TempFile.txt"}),
    fault("student_file_unreadable_delete_refused", "4\n7\n5\n", chose + delete_prompt + leave,
          "cannot read student.txt", {}, {}, {"student.txt"}),
    fault("student_file_unwritable_insert_refused_menu_back", "1\n2\n5\n", chose + chose + header + leave,
          "cannot open student.txt", {}, {}, {"student.txt"})),
    dialogue::CaseName{});

// Input the dialogue cannot take inside an operation: stderr, status 1, output stops.
INSTANTIATE_TEST_SUITE_P(Refused, Recfile, ::testing::Values(
    Case{"end_of_input_inside_insert", "recfile", "1\n5\nAl\n",
         chose + "Enter the Roll no   :Enter the Name      :Enter the Surname      :", 1, "expected a word",
         {{"student.txt", bob}}, {{"student.txt", bob}}},
    Case{"mark_not_a_number", "recfile", "1\n5\nAl\nBe\n1\nabc\n",
         chose + "Enter the Roll no   :Enter the Name      :Enter the Surname      :"
                 "Enter the mark pecentage in physics     :Enter the mark pecentage in chemistry     :", 1, "expected a number",
         {{"student.txt", bob}}, {{"student.txt", bob}}},
    Case{"roll_number_out_of_range_in_search", "recfile", "3\n2147483648\n",
         chose + search_prompt, 1, "expected a whole number"},
    Case{"end_of_input_at_delete_prompt", "recfile", "4\n", chose + delete_prompt, 1, "expected a whole number",
         {{"student.txt", bob}}, {{"student.txt", bob}, {"TempFile.txt", std::nullopt}}}),
    dialogue::CaseName{});

// One directory over several runs: what one run writes, the next reads back.
TEST(RecfileSession, FilesCarryAcrossRuns) {
    auto step = [](dialogue::Files files, const std::string& input, const std::string& out) {
        dialogue::Run run;
        run.member = "recfile";
        run.input = input;
        run.files = std::move(files);
        const dialogue::Result r = dialogue::run(run);
        EXPECT_EQ(r.out, out) << dialogue::visible(r.out);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        return r.files;
    };
    dialogue::Files files = step({}, "1\n7\nAnn\nLee\n80.5\n70.25\n33.3\n1\n3\nBob\nRay\n50\n60\n70\n5\n",
                                 chose + insert_prompts + chose + insert_prompts + leave);
    EXPECT_EQ(files["student.txt"], ann + bob);
    files = step(files, "1\n7\nAmy\nFox\n1\n2\n3\n5\n", chose + insert_prompts + leave);
    EXPECT_EQ(files["student.txt"], ann + bob + amy);
    files = step(files, "2\n5\n", chose + header + ann_line + bob_line + amy_line + leave);
    files = step(files, "3\n7\n5\n", chose + search_prompt + ann_found + amy_found + leave);
    files = step(files, "4\n7\n5\n", chose + delete_prompt + deleted + leave);
    EXPECT_EQ(files["student.txt"], bob);
    EXPECT_EQ(files["TempFile.txt"], bob);
    files = step(files, "2\n3\n7\n5\n", chose + header + bob_line + chose + search_prompt + leave);
    EXPECT_EQ(files["student.txt"], bob);
}

}  // namespace
