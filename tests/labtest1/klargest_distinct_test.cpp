// Dialogues of the k-th-largest-distinct-value family.
#include <gtest/gtest.h>

#include <string>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// Prompts of each member, as printed before its result once every element is read.
const std::string p01 = "\nEnter n: \nEnter k: \nEnter array element: ";
const std::string p02 = "Enter n: \nEnter k: \nEnter array elements: ";
const std::string p04 = "enter n:enter k:enter array element";
const std::string p06 = "Enter n:Enter k:Enter array element:";
const std::string p08 = "Enter n:Enter k:Enter array elements:";  // also 17, 21, 25
const std::string p10 = "Enter n:Enter k:Enter the array elements:\n";
const std::string p14 = "Enter n: Enter k: Enter array element: ";  // also 13
const std::string p15 = "Enter n \nEnter k \nEnter array element \n";
const std::string p16 = "Enter n:\nEnter k:\nEnter array element:\n";
const std::string p19 = "Enter n : \nEnter k : \n\nEnter elements :\n ";
const std::string p22 = "Enter n:Enter k:Enter elements: ";
const std::string p23 = "enter n : enter k : enter array elements : ";
const std::string p26 = "Enter n:- Enter k:- Enter elements:- ";
const std::string p28 = "enter n: \nenter k: \nenter array elements: \n";
const std::string p29 = "Enter n : Enter k : Enter array element : ";
const std::string p31 = "enter n: enter k: enter array elements: ";
const std::string p32 = "Enter n (less than 20):\nEnter k:\nEnter array elements:\n";
const std::string p35 = "Enter n:\nEnter k:\nEnter array elements:\n";

// klargest03 asks for each element by its index.
std::string p03(int n) {
    std::string s = "Enter the value of n: Enter the value of k: ";
    for (int i = 0; i < n; ++i) s += "Enter the a[" + std::to_string(i) + "] element of array: ";
    return s;
}

class KthDistinct : public ::testing::TestWithParam<Case> {};
TEST_P(KthDistinct, MatchDialogue) { dialogue::check(GetParam()); }

// 5, 7, 7, 3 with k = 1: the largest value occurs twice.
const std::string top = "4\n1\n5 7 7 3\n";
INSTANTIATE_TEST_SUITE_P(LargestRepeated, KthDistinct, ::testing::Values(
    Case{"k01", "klargest01", top, p01 + "1-th largest: 7 7 \n"},
    Case{"k02", "klargest02", top, p02 + "1 largest element:7,7,"},
    Case{"k03", "klargest03", top, p03(4) + "1 largest: 7\n"},
    Case{"k04", "klargest04", top, p04 + "1 largest:7 7 "},
    Case{"k06", "klargest06", top, p06 + "Largest:7,7\n"},
    Case{"k08", "klargest08", top, p08 + "1 largest = 7, 7, "},
    Case{"k10", "klargest10", top, p10 + "1th largest:7 7 "},
    Case{"k13", "klargest13", top, p14 + "1st largest: 7 7 \n"},
    Case{"k14", "klargest14", top, p14 + "1 largest: 7, 7\n"},
    Case{"k15", "klargest15", top, p15 + "1 largest no.7 7 "},
    Case{"k16", "klargest16", top, p16 + "1 th Largest :7, 7\n"},
    Case{"k17", "klargest17", top, p08 + "1st largest:7,7,\n"},
    Case{"k19", "klargest19", top, p19 + "RThe K-th Largest Numers are :  7 7"},
    Case{"k21", "klargest21", top, p08 + "1st largest :7,7\n"},
    Case{"k22", "klargest22", top, p22 + "1-th largest: 7 7 \n"},
    Case{"k23", "klargest23", top, p23 + "1 largest : 7 7 "},
    Case{"k25", "klargest25", top, p08 + "1st largest:7 7 \n"},
    Case{"k26", "klargest26", top, p26 + "1 largest:- 7 7 "},
    Case{"k28", "klargest28", top, p28 + " '1' largest= 7, 7, "},
    Case{"k29", "klargest29", top, p29 + "1th largest = 7 7 \n"},
    Case{"k31", "klargest31", top, p31 + "1 largest: 7 7 "},
    Case{"k32", "klargest32", top, p32 + "1 largest:7, 7, \n"},
    Case{"k35", "klargest35", top, p35 + "1th largest:7\n7\n"}),
    dialogue::CaseName{});

// 4, -2, 9, 4, 9, -2, 4 with k = 2: the value below two copies of 9, three times.
const std::string mid = "7\n2\n4 -2 9 4 9 -2 4\n";
INSTANTIATE_TEST_SUITE_P(SecondBelowRepeats, KthDistinct, ::testing::Values(
    Case{"k01", "klargest01", mid, p01 + "2-th largest: 4 4 4 \n"},
    Case{"k02", "klargest02", mid, p02 + "2 largest element:4,4,4,"},
    Case{"k03", "klargest03", mid, p03(7) + "2 largest: 4\n"},
    Case{"k04", "klargest04", mid, p04 + "2 largest:4 4 4 "},
    Case{"k06", "klargest06", mid, p06 + "2nd Largest:4,4,4\n"},
    Case{"k08", "klargest08", mid, p08 + "2 largest = 4, 4, 4, "},
    Case{"k10", "klargest10", mid, p10 + "2th largest:4 4 4 "},
    Case{"k13", "klargest13", mid, p14 + "2nd largest: 4 4 4 \n"},
    Case{"k14", "klargest14", mid, p14 + "2 largest: 4, 4, 4\n"},
    Case{"k15", "klargest15", mid, p15 + "2 largest no.4 4 4 "},
    Case{"k16", "klargest16", mid, p16 + "2 th Largest :4, 4\n"},
    Case{"k17", "klargest17", mid, p08 + "2nd largest:4,4,4,\n"},
    Case{"k19", "klargest19", mid, p19 + "RThe K-th Largest Numers are :  4 4 4"},
    Case{"k21", "klargest21", mid, p08 + "2nd largest :4,4,4\n"},
    Case{"k22", "klargest22", mid, p22 + "2-th largest: 4 4 4 \n"},
    Case{"k23", "klargest23", mid, p23 + "2 largest : 4 4 4 "},
    Case{"k25", "klargest25", mid, p08 + "2nd largest:4 4 4 \n"},
    Case{"k26", "klargest26", mid, p26 + "2 largest:- 4 4 4 "},
    Case{"k28", "klargest28", mid, p28 + " '2' largest= 4, 4, 4, "},
    Case{"k29", "klargest29", mid, p29 + "2th largest = 4 4 4 \n"},
    Case{"k31", "klargest31", mid, p31 + "2 largest: 4 4 4 "},
    Case{"k32", "klargest32", mid, p32 + "2 largest:4, 4, 4, \n"},
    Case{"k35", "klargest35", mid, p35 + "2th largest:4\n4\n4\n"}),
    dialogue::CaseName{});

// The same elements with k = 3: the smallest distinct value, below 0.
const std::string low = "7\n3\n4 -2 9 4 9 -2 4\n";
INSTANTIATE_TEST_SUITE_P(SmallestNegative, KthDistinct, ::testing::Values(
    Case{"k01", "klargest01", low, p01 + "3-th largest: -2 -2 \n"},
    Case{"k03_only_values_above_zero", "klargest03", low, p03(7) + "3 largest: 0\n"},
    Case{"k04_brought_past_repeats", "klargest04", low, p04 + "3 largest:-2 -2 "},
    Case{"k06", "klargest06", low, p06 + "3rd Largest:-2,-2\n"},
    Case{"k10", "klargest10", low, p10 + "3th largest:-2 -2 "},
    Case{"k13", "klargest13", low, p14 + "3rd largest: -2 -2 \n"},
    Case{"k14", "klargest14", low, p14 + "3 largest: -2, -2\n"},
    Case{"k15", "klargest15", low, p15 + "3 largest no.-2 -2 "},
    Case{"k17", "klargest17", low, p08 + "3rd largest:-2,-2,\n"},
    Case{"k19", "klargest19", low, p19 + "RThe K-th Largest Numers are :  -2 -2"},
    Case{"k21", "klargest21", low, p08 + "3rd largest :-2,-2\n"},
    Case{"k23_input_order", "klargest23", low, p23 + "3 largest : -2 -2 "},
    Case{"k25", "klargest25", low, p08 + "3rd largest:-2 -2 \n"},
    Case{"k26", "klargest26", low, p26 + "3 largest:- -2 -2 "},
    Case{"k28", "klargest28", low, p28 + " '3' largest= -2, -2, "},
    Case{"k29", "klargest29", low, p29 + "3th largest = -2 -2 \n"},
    Case{"k35", "klargest35", low, p35 + "3th largest:-2\n-2\n"}),
    dialogue::CaseName{});

// Each member's own treatment of ranks it cannot find, of its start values and of
// its quirks.
INSTANTIATE_TEST_SUITE_P(OwnRules, KthDistinct, ::testing::Values(
    Case{"k14_second_once", "klargest14", "4\n2\n5 7 7 3\n", p14 + "2 largest: 5\n"},
    Case{"k14_k_above_distinct", "klargest14", "4\n4\n5 7 7 3\n",
         p14 + "ERROR!! Please enter a valid k less than or equal to the no. of distinct elements in the array\n"},
    Case{"k14_k_zero", "klargest14", "4\n0\n5 7 7 3\n",
         p14 + "ERROR!! Please enter a valid k less than or equal to the no. of distinct elements in the array\n"},
    Case{"k01_k_above_distinct", "klargest01", "4\n4\n5 7 7 3\n", p01 + "4-th largest: none \n"},
    Case{"k01_k_zero", "klargest01", "4\n0\n5 7 7 3\n", p01 + "0-th largest: none \n"},
    Case{"k01_no_elements", "klargest01", "0\n1\n", p01 + "1-th largest: none \n"},
    Case{"k03_nothing_above_zero", "klargest03", "3\n1\n-4 0 -9\n", p03(3) + "1 largest: 0\n"},
    Case{"k03_k_zero", "klargest03", "2\n0\n5 7\n", p03(2) + "0 largest: 0\n"},
    Case{"k03_negative_k_no_sweep", "klargest03", "2\n-3\n5 7\n", p03(2) + "-3 largest: 0\n"},
    Case{"k03_k_far_beyond", "klargest03", "2\n2000000000\n5 7\n", p03(2) + "2000000000 largest: 0\n"},
    Case{"k17_k_zero_label_only", "klargest17", "2\n0\n5 7\n", p08 + "0th largest:\n"},
    Case{"k17_negative_k_label_only", "klargest17", "2\n-12\n5 7\n", p08 + "-12th largest:\n"},
    // With nothing above the start, the sweep keeps the start value and removes the
    // elements equal to it; the marker, one below, is never taken.
    Case{"k17_start_value_taken_when_nothing_above", "klargest17", "3\n2\n-9898788 -9898789 5\n",
         p08 + "2nd largest:-9898788,\n"},
    Case{"k17_marker_never_selected", "klargest17", "2\n2\n-9898789 5\n", p08 + "2nd largest:\n"},
    Case{"k17_just_above_start", "klargest17", "3\n2\n-9898787 5 -9898787\n",
         p08 + "2nd largest:-9898787,-9898787,\n"},
    Case{"k17_k_far_beyond", "klargest17", "2\n2000000000\n5 7\n", p08 + "2000000000th largest:\n"},
    Case{"k26_start_never_selected", "klargest26", "3\n2\n-3000 -5000 -2999\n", p26 + "2 largest:- "},
    Case{"k26_just_above_start", "klargest26", "3\n1\n-3000 -5000 -2999\n", p26 + "1 largest:- -2999 "},
    Case{"k26_k_zero_label_only", "klargest26", "2\n0\n5 7\n", p26 + "0 largest:- "},
    Case{"k26_full_capacity", "klargest26", "15\n15\n15 14 13 12 11 10 9 8 7 6 5 4 3 2 1\n", p26 + "15 largest:- 1 "},
    Case{"k23_repeated_top", "klargest23", "3\n1\n3 5 5\n", p23 + "1 largest : 5 5 "},
    Case{"k23_below_repeats", "klargest23", "3\n2\n3 5 5\n", p23 + "2 largest : 3 "},
    Case{"k23_long_gap", "klargest23", "6\n2\n9 9 9 9 1 9\n", p23 + "2 largest : 1 "},
    Case{"k23_no_such_rank", "klargest23", "3\n3\n3 5 5\n", p23 + "3 largest : "},
    Case{"k35_second_twice", "klargest35", "4\n2\n3 5 5 9\n", p35 + "2th largest:5\n5\n"},
    Case{"k35_third_once", "klargest35", "4\n3\n3 5 5 9\n", p35 + "3th largest:3\n"},
    Case{"k35_no_such_rank", "klargest35", "4\n4\n3 5 5 9\n", p35 + "4th largest:"},
    Case{"k28_k_above_distinct_stays_at_smallest", "klargest28", "4\n9\n5 7 7 3\n", p28 + " '9' largest= 3, "},
    Case{"k28_k_zero_is_largest", "klargest28", "4\n0\n5 7 7 3\n", p28 + " '0' largest= 7, 7, "},
    Case{"k28_next_lower_not_first_below", "klargest28", "4\n2\n1 8 5 9\n", p28 + " '2' largest= 8, "},
    Case{"k16_distinct_after_pair", "klargest16", "4\n2\n9 9 7 5\n", p16 + "2 th Largest:7\n"},
    Case{"k16_shown_with_its_twin", "klargest16", "4\n2\n9 9 7 7\n", p16 + "2 th Largest :7, 7\n"},
    Case{"k16_last_place", "klargest16", "4\n3\n9 9 7 7\n", p16 + "3 th Largest:7\n"},
    // Three equal elements make one pair too many: the skip lands on the third 9.
    Case{"k16_triple_skips_short", "klargest16", "4\n2\n9 9 9 7\n", p16 + "2 th Largest:9\n"},
    Case{"k15_unwritten_places_not_shown", "klargest15", "4\n2\n3 3 3 0\n", p15 + "2 largest no.0 "},
    Case{"k15_low_value_repeated", "klargest15", "3\n2\n-1 5 -1\n", p15 + "2 largest no.-1 -1 "},
    Case{"k04_all_distinct", "klargest04", "4\n3\n8 1 9 4\n", p04 + "3 largest:4 "},
    Case{"k04_single_element", "klargest04", "1\n1\n-6\n", p04 + "1 largest:-6 "},
    Case{"k31_full_capacity", "klargest31", "20\n20\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n",
         p31 + "20 largest: 1 "},
    Case{"k06_fourth_from_top", "klargest06", "5\n4\n4 1 3 2 1\n", p06 + "4th largest:1,1\n"},
    Case{"k21_exactly_one_to_three_only", "klargest21",
         "21\n21\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n", p08 + "21th largest :1\n"},
    Case{"k25_fourth", "klargest25", "5\n4\n4 1 3 2 1\n", p08 + "4th largest:1 1 \n"}),
    dialogue::CaseName{});

// klargest13's ordinals, where k is above the number of distinct values: only the
// label and the newline.
std::string zeros(int n) { return dialogue::repeat("0 ", n) + "\n"; }
Case ordinal13(const std::string& name, int k, const std::string& label) {
    const std::string n = std::to_string(k);
    return Case{name, "klargest13", n + "\n" + n + "\n" + zeros(k), p14 + n + label + " largest: \n"};
}
INSTANTIATE_TEST_SUITE_P(Ordinals, KthDistinct, ::testing::Values(
    Case{"k13_fourth", "klargest13", "5\n4\n4 1 3 2 1\n", p14 + "4th largest: 1 1 \n"},
    ordinal13("k13_11", 11, "th"), ordinal13("k13_12", 12, "th"), ordinal13("k13_13", 13, "th"),
    ordinal13("k13_21", 21, "st"), ordinal13("k13_22", 22, "nd"), ordinal13("k13_23", 23, "rd"),
    ordinal13("k13_111", 111, "th"),
    Case{"k17_11", "klargest17", "1\n11\n5\n", p08 + "11st largest:\n"},
    Case{"k17_12", "klargest17", "1\n12\n5\n", p08 + "12nd largest:\n"},
    Case{"k17_13", "klargest17", "1\n13\n5\n", p08 + "13rd largest:\n"},
    Case{"k17_4", "klargest17", "5\n4\n4 1 3 2 1\n", p08 + "4th largest:1,1,\n"}),
    dialogue::CaseName{});

// Members that ask again until n and k fit.
INSTANTIATE_TEST_SUITE_P(AskAgain, KthDistinct, ::testing::Values(
    Case{"k13_n_and_k_asked_again", "klargest13", "0\n-3\n3\n4\n0\n3\n5 5 2\n",
         "Enter n: Enter n: Enter n: Enter k: Enter k: Enter k: Enter array element: 3rd largest: \n"},
    Case{"k13_k_equal_to_n", "klargest13", "3\n3\n5 4 2\n", p14 + "3rd largest: 2 \n"},
    Case{"k13_end_of_input_while_asking", "klargest13", "0\n", "Enter n: Enter n: ", 1,
         "expected a whole number, found the end of input"},
    Case{"k32_n_21_asked_again_20_taken", "klargest32",
         "21\n20\n20\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n",
         "Enter n (less than 20):\n" + p32 + "20 largest:1, \n"},
    Case{"k32_end_of_input_while_asking", "klargest32", "25\n", "Enter n (less than 20):\nEnter n (less than 20):",
         1, "expected a whole number, found the end of input"},
    Case{"k32_n_zero", "klargest32", "0\n", "Enter n (less than 20):\n", 1, "n must be from 1 to 20"}),
    dialogue::CaseName{});

// Counts and ranks that would take a member outside its array or lists: refused at
// once, one line on standard error, status 1.
INSTANTIATE_TEST_SUITE_P(Refused, KthDistinct, ::testing::Values(
    Case{"k01_n_above_capacity", "klargest01", "51\n", "\nEnter n: ", 1, "n must be from 0 to 50"},
    Case{"k02_n_above_capacity", "klargest02", "31\n", "Enter n: \n", 1, "n must be from 1 to 30"},
    Case{"k03_n_above_capacity", "klargest03", "111\n", "Enter the value of n: ", 1, "n must be from 0 to 110"},
    Case{"k14_n_above_capacity", "klargest14", "101\n", "Enter n: ", 1, "n must be from 0 to 100"},
    Case{"k21_n_above_capacity", "klargest21", "51\n", "Enter n:", 1, "n must be from 1 to 50"},
    Case{"k26_n_above_capacity", "klargest26", "16\n", "Enter n:- ", 1, "n must be from 0 to 15"},
    Case{"k28_n_zero", "klargest28", "0\n", "enter n: \n", 1, "n must be from 1 to 100"},
    Case{"k29_n_above_capacity", "klargest29", "101\n", "Enter n : ", 1, "n must be from 1 to 100"},
    Case{"k31_n_above_capacity", "klargest31", "21\n", "enter n: ", 1, "n must be from 1 to 20"},
    Case{"k04_n_zero", "klargest04", "0\n", "enter n:", 1, "n must be from 1 to 1000000"},
    Case{"k17_n_above_limit", "klargest17", "1000001\n", "Enter n:", 1, "n must be from 0 to 1000000"},
    Case{"k13_n_above_limit", "klargest13", "1000001\n", "Enter n: ", 1, "n must be from 1 to 1000000"},
    Case{"k02_k_above_n", "klargest02", "4\n5\n", "Enter n: \nEnter k: \n", 1, "k must be from 1 to 4"},
    Case{"k22_k_zero", "klargest22", "4\n0\n", "Enter n:Enter k:", 1, "k must be from 1 to 4"},
    Case{"k02_k_above_distinct", "klargest02", "4\n4\n5 7 7 3\n", p02, 1, "k must be from 1 to 3"},
    Case{"k04_k_above_distinct", "klargest04", "4\n4\n5 7 7 3\n", p04, 1, "k must be from 1 to 3"},
    Case{"k06_k_above_distinct", "klargest06", "4\n4\n5 7 7 3\n", p06, 1, "k must be from 1 to 3"},
    Case{"k08_k_above_distinct", "klargest08", "4\n4\n5 7 7 3\n", p08, 1, "k must be from 1 to 3"},
    Case{"k10_k_above_distinct", "klargest10", "4\n4\n5 7 7 3\n", p10, 1, "k must be from 1 to 3"},
    Case{"k15_k_above_distinct", "klargest15", "4\n4\n5 7 7 3\n", p15, 1, "k must be from 1 to 3"},
    Case{"k16_skip_beyond_last", "klargest16", "4\n4\n9 9 7 7\n", p16, 1, "k must be from 1 to 3"},
    Case{"k19_k_above_distinct", "klargest19", "4\n4\n5 7 7 3\n", p19, 1, "k must be from 1 to 3"},
    Case{"k21_k_above_distinct", "klargest21", "4\n4\n5 7 7 3\n", p08, 1, "k must be from 1 to 3"},
    Case{"k22_k_above_distinct", "klargest22", "4\n4\n5 7 7 3\n", p22, 1, "k must be from 1 to 3"},
    Case{"k25_k_above_distinct", "klargest25", "4\n4\n5 7 7 3\n", p08, 1, "k must be from 1 to 3"},
    Case{"k29_k_above_distinct", "klargest29", "4\n4\n5 7 7 3\n", p29, 1, "k must be from 1 to 3"},
    Case{"k31_k_above_distinct", "klargest31", "4\n4\n5 7 7 3\n", p31, 1, "k must be from 1 to 3"},
    Case{"k32_k_above_distinct", "klargest32", "4\n4\n5 7 7 3\n", p32, 1, "k must be from 1 to 3"},
    Case{"k01_letters_for_n", "klargest01", "abc\n", "\nEnter n: ", 1, "expected a whole number"},
    Case{"k14_letters_among_elements", "klargest14", "3\n1\n4 x 6\n", p14, 1, "expected a whole number"},
    Case{"k23_end_of_input_in_elements", "klargest23", "3\n1\n4 5", p23, 1,
         "expected a whole number, found the end of input"},
    Case{"k03_end_of_input_after_prompt", "klargest03", "2\n1\n4\n", p03(2), 1, "found the end of input"},
    Case{"k35_number_too_big_for_int", "klargest35", "2\n1\n2147483648 1\n", p35, 1,
         "expected a whole number from -2147483648 to 2147483647"}),
    dialogue::CaseName{});

}  // namespace
