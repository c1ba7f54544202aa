// Dialogues of the k-th-largest-by-position family.
#include <gtest/gtest.h>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// Prompts of each member, as printed before its result for three elements.
const std::string p07 = "Enter n:Enter k:Enter the elements of array\n";
const std::string p11 = "Enter n: Enter k: Enter the array: ";
const std::string p24 = "enter n:\nenter k:\nenter array elements:\n";

class Results : public ::testing::TestWithParam<Case> {};
TEST_P(Results, MatchDialogue) { dialogue::check(GetParam()); }

// The main paths: 5, 7, 7, 3 picked by position, repeated values counted.
INSTANTIATE_TEST_SUITE_P(ByPosition, Results, ::testing::Values(
    Case{"k07_first_of_two_sevens", "klargest07", "4\n1\n5 7 7 3\n", p07 + "1 th largest:7,7,"},
    Case{"k07_third_is_five", "klargest07", "4\n3\n5 7 7 3\n", p07 + "3 th largest:5,"},
    Case{"k07_negative_values", "klargest07", "3\n2\n-5 -1 -9\n", p07 + "2 th largest:-5,"},
    Case{"k07_single_element", "klargest07", "1\n1\n42\n", p07 + "1 th largest:42,"},
    Case{"k09_second_of_two_sevens", "klargest09", "4\n5 7 7 3\n2\n",
         "enter the size of the arrayenter the required largest element7\t 7\t "},
    Case{"k09_smallest", "klargest09", "4\n5 7 7 3\n4\n", "enter the size of the arrayenter the required largest element3\t "},
    Case{"k11_second_is_seven", "klargest11", "4\n2\n5 7 7 3\n", p11 + "2 largest: 7\n"},
    Case{"k11_third_is_five", "klargest11", "4\n3\n5 7 7 3\n", p11 + "3 largest: 5\n"},
    Case{"k24_third_is_five", "klargest24", "4\n3\n5 7 7 3\n", p24 + "3th largest:5\t"},
    Case{"k24_second_seven_twice", "klargest24", "4\n2\n5 7 7 3\n", p24 + "2th largest:7\t7\t"},
    Case{"k27_second", "klargest27", "4\n2\n5 7 7 3\n", "Enter n:Enter k:2 nd largest = 7"},
    Case{"k27_third", "klargest27", "4\n3\n5 7 7 3\n", "Enter n:Enter k:3 nd largest = 5"},
    Case{"k30_third_is_five", "klargest30", "4\n3\n5 7 7 3\n", "Enter n:Enter k:Enter the array elements:3 largest:5"},
    Case{"k30_first_once", "klargest30", "4\n1\n5 7 7 3\n", "Enter n:Enter k:Enter the array elements:1 largest:7"}),
    dialogue::CaseName{});

// Members with their own partial results.
INSTANTIATE_TEST_SUITE_P(OwnResults, Results, ::testing::Values(
    Case{"k05_prompts_only", "klargest05", "3 2\n4 5 6\n",
         "Enter the value of n and k:Enter array elements:Enter array elements:Enter array elements:"},
    Case{"k05_no_elements", "klargest05", "0 1\n", "Enter the value of n and k:"},
    Case{"k12_largest_whatever_k", "klargest12", "4\n3\n5 7 7 3\n", "Enter n:Enter k:Enter array elements:Largest is:7"},
    Case{"k12_k_out_of_range_unused", "klargest12", "3\n-40\n-5 -2 -9\n", "Enter n:Enter k:Enter array elements:Largest is:-2"},
    Case{"k12_twenty_elements", "klargest12", "20\n1\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 99 19\n",
         "Enter n:Enter k:Enter array elements:Largest is:99"},
    Case{"k18_one_element_is_the_answer", "klargest18", "3\n2\n8\n", "enter n: enter k: enter array element: kth largest: 8"},
    Case{"k33_descending_run_together", "klargest33", "3\n1\n3 9 5\n", "Enter n:Enter k:Enter array elements:953"},
    Case{"k33_repeats_and_negatives", "klargest33", "4\n9\n-1 7 7 -3\n", "Enter n:Enter k:Enter array elements:77-1-3"},
    Case{"k33_no_elements", "klargest33", "0\n1\n", "Enter n:Enter k:Enter array elements:"}),
    dialogue::CaseName{});

// Sweeps of maximum search over the values above 0.
const std::string p20 = "Enter n:Enter k:Enter array elements:";
const std::string p34 = "enter n:enter k:enter array elements:";
INSTANTIATE_TEST_SUITE_P(Sweeps, Results, ::testing::Values(
    Case{"k20_second_nine_twice", "klargest20", "3\n2\n9 9 7\n", p20 + "2 largest=9, 9\n"},
    Case{"k20_third_is_seven", "klargest20", "3\n3\n9 9 7\n", p20 + "3 largest=7\n"},
    Case{"k20_nothing_above_zero", "klargest20", "3\n1\n-4 -2 -8\n", p20 + "1 largest=0\n"},
    Case{"k20_k_beyond_n_gives_zero", "klargest20", "2\n50\n4 0\n", p20 + "50 largest=0\n"},
    Case{"k20_zero_copies_counted", "klargest20", "3\n3\n5 0 0\n", p20 + "3 largest=0, 0\n"},
    Case{"k34_distinct", "klargest34", "4\n2\n5 7 9 3\n", p34 + "2 largest :7"},
    // One copy is removed per sweep: repeated values count once per copy.
    Case{"k34_repeats_count_per_copy", "klargest34", "4\n2\n5 7 7 3\n", p34 + "2 largest :7"},
    Case{"k34_after_repeats", "klargest34", "4\n3\n5 7 7 3\n", p34 + "3 largest :5"},
    Case{"k34_nothing_above_zero_left", "klargest34", "3\n3\n4 -1 -2\n", p34 + "3 largest :0"},
    Case{"k34_k_above_n_gives_zero", "klargest34", "2\n3\n5 9\n", p34 + "3 largest :0"},
    Case{"k34_huge_k_ends_at_once", "klargest34", "2\n2147483647\n5 9\n", p34 + "2147483647 largest :0"},
    Case{"k34_no_sweep_for_k_zero", "klargest34", "2\n0\n5 9\n", p34 + "0 largest :0"}),
    dialogue::CaseName{});

// Input the dialogue cannot take: one line on stderr, status 1, output stops there.
INSTANTIATE_TEST_SUITE_P(Refused, Results, ::testing::Values(
    Case{"k07_k_above_n", "klargest07", "3\n4\n", "Enter n:Enter k:", 1, "k must be from 1 to 3"},
    Case{"k07_k_zero", "klargest07", "3\n0\n", "Enter n:Enter k:", 1, "k must be from 1 to 3"},
    Case{"k07_n_above_capacity", "klargest07", "101\n", "Enter n:", 1, "n must be from 1 to 100"},
    Case{"k07_n_zero", "klargest07", "0\n", "Enter n:", 1, "n must be from 1 to 100"},
    Case{"k12_n_above_capacity", "klargest12", "21\n", "Enter n:", 1, "n must be from 1 to 20"},
    Case{"k30_n_above_capacity", "klargest30", "51\n", "Enter n:", 1, "n must be from 1 to 50"},
    Case{"k24_k_above_n", "klargest24", "2\n3\n", "enter n:\nenter k:", 1, "k must be from 1 to 2"},
    Case{"k20_k_above_list", "klargest20", "3\n101\n", "Enter n:Enter k:", 1, "k must be from 1 to 100"},
    Case{"k33_negative_n", "klargest33", "-2\n", "Enter n:", 1, "n must be from 0 to 1000000"},
    Case{"k18_n_above_limit", "klargest18", "1000001\n", "enter n: ", 1, "n must be from 1 to 1000000"},
    Case{"k07_letters_for_n", "klargest07", "abc\n", "Enter n:", 1, "expected a whole number"},
    Case{"k11_letters_among_elements", "klargest11", "3\n1\n4 x 6\n", p11, 1, "expected a whole number"},
    Case{"k09_end_of_input_in_elements", "klargest09", "3\n4 5", "enter the size of the array", 1,
         "expected a whole number, found the end of input"},
    Case{"k05_end_of_input_at_once", "klargest05", "", "Enter the value of n and k:", 1, "found the end of input"},
    Case{"k30_number_too_big_for_int", "klargest30", "2\n1\n2147483648 1\n", "Enter n:Enter k:Enter the array elements:", 1,
         "expected a whole number from -2147483648 to 2147483647"}),
    dialogue::CaseName{});

}  // namespace
