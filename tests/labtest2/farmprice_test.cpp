// Dialogues of the farm-price family: each member reads the counted record file
// t3o.txt (farmprice08 reads item.txt, farmprice11 writes t3o.txt), lists it and names
// the dearest item by its own rule.
#include <gtest/gtest.h>

#include "dialogue.hpp"

namespace {

using dialogue::Case;
using dialogue::Files;

Files t3o(const std::string& text) { return {{"t3o.txt", text}}; }

// A non-farm record is the dearest; the farm maximum (melon) is neither first nor last.
const std::string basic = "4\nfarm apple 12.5\nmarket pear 30\nfarm melon 20.25\nshop plum 5\n";
// Two farm records share the highest price; the last farm record is cheaper.
const std::string tie_then_cheaper = "4\nfarm apple 20\nfarm melon 20\nshop pear 3\nfarm fig 7\n";
// Two farm records share the highest price, and the later one is the last farm record.
const std::string tie_at_end = "3\nfarm apple 20\nshop pear 3\nfarm melon 20\n";
// The only farm record is priced below zero, above -34.
const std::string negative = "2\nfarm apple -10\nshop pear 4\n";
// No farm record at all.
const std::string no_farm = "2\nshop pear 4\nmarket fig 9\n";
// The count promises three records, the file holds two.
const std::string short_file = "3\nfarm apple 12.5\nshop pear 4\n";
// The count is one, the file holds two; the dearer farm record is the one past the count.
const std::string long_file = "1\nfarm apple 12.5\nfarm melon 20\n";

class Dialogue : public ::testing::TestWithParam<Case> {};
TEST_P(Dialogue, Matches) { dialogue::check(GetParam()); }

// Every member on the same file: its listing form and its result line.
INSTANTIATE_TEST_SUITE_P(Listing, Dialogue, ::testing::Values(
    Case{"fp01", "farmprice01", "",
         "farm  apple - 12.500000\nmarket  pear - 30.000000\nfarm  melon - 20.250000\nshop  plum - 5.000000\n"
         "Highest price item from farm : melon\n", 0, "", t3o(basic)},
    Case{"fp02", "farmprice02", "",
         "farm apple-12.500000\nmarket pear-30.000000\nfarm melon-20.250000\nshop plum-5.000000\n"
         "Highest price item from the farm:melon\n ", 0, "", t3o(basic)},
    Case{"fp03", "farmprice03", "",
         "farm  apple  - 12.50\nmarket  pear  - 30.00\nfarm  melon  - 20.25\nshop  plum  - 5.00\n"
         "Highest Price Item from farm : melon\n", 0, "", t3o(basic)},
    Case{"fp04", "farmprice04", "",
         "farm apple 12.500000\nmarket pear 30.000000\nfarm melon 20.250000\nshop plum 5.000000\n"
         "Highest price item from farm: melon\n", 0, "", t3o(basic)},
    Case{"fp05_non_farm_maximum", "farmprice05", "",
         "apple 12.500000 \npear 30.000000 \nmelon 20.250000 \nplum 5.000000 \nMAX market pear 30.000000", 0, "",
         t3o(basic)},
    Case{"fp06_no_hightest", "farmprice06", "",
         "\nfarm apple - 12.500000\nmarket pear - 30.000000\nfarm melon - 20.250000\nshop plum - 5.000000"
         "\n\nno record is hightest\n", 0, "", t3o(basic)},
    Case{"fp07_farm", "farmprice07", "\nfarm\n",
         "4\nfarm\tapple\t12.500000\nmarket\tpear\t30.000000\nfarm\tmelon\t20.250000\nshop\tplum\t5.000000\n"
         "enter the source among which the most expensive product value has to be printed\n"
         "the expensive among farm isfarm\tmelon\t20.250000", 0, "", t3o(basic)},
    Case{"fp08_farm_prices_after_listing", "farmprice08", "",
         "4\nItems in Menu:\nfarm apple-12.500000\nmarket pear-30.000000\nfarm melon-20.250000\nshop plum-5.000000\n"
         "12.50000020.250000", 0, "", {{"item.txt", basic}}},
    Case{"fp09_padded_status_1", "farmprice09", "",
         "farm                apple                - 12.500000\n"
         "market              pear                 - 30.000000\n"
         "farm                melon                - 20.250000\n"
         "shop                plum                 - 5.000000\n"
         "Highest price item from farm:  melon.\n", 1, "", t3o(basic)},
    Case{"fp10", "farmprice10", "",
         "farm\t\tapple - 12.50\nmarket\t\tpear - 30.00\nfarm\t\tmelon - 20.25\nshop\t\tplum - 5.00\n"
         "Highest price item from farm: melon\n", 0, "", t3o(basic)},
    Case{"fp12", "farmprice12", "",
         "farm apple - 12.500000\nmarket pear - 30.000000\nfarm melon - 20.250000\nshop plum - 5.000000\n"
         "The maximum priced item from farm is : melon\n", 0, "", t3o(basic)},
    Case{"fp13", "farmprice13", "",
         "farm apple - 12.500000 \nmarket pear - 30.000000 \nfarm melon - 20.250000 \nshop plum - 5.000000 \n"
         "Highest price item from farm: melon. ", 0, "", t3o(basic)},
    Case{"fp14_first_word_of_non_farm_maximum", "farmprice14", "",
         "apple  farm  - 12.500000\npear  market  - 30.000000\nmelon  farm  - 20.250000\nplum  shop  - 5.000000\n"
         "Highest price item from farm: market\n", 0, "", t3o(basic)},
    Case{"fp15_screen_has_result_only", "farmprice15", "", "Highest price from farm is: 20.250000", 0, "", t3o(basic),
         {{"output.txt",
           "farm apple - 12.500000\nmarket pear - 30.000000\nfarm melon - 20.250000\nshop plum - 5.000000\n"}}}),
    dialogue::CaseName{});

// Equal highest farm prices: the earlier record is named, except that farmprice02 keeps
// the last farm record when it holds the highest price.
INSTANTIATE_TEST_SUITE_P(Ties, Dialogue, ::testing::Values(
    Case{"fp01_earlier", "farmprice01", "",
         "farm  apple - 20.000000\nfarm  melon - 20.000000\nshop  pear - 3.000000\nfarm  fig - 7.000000\n"
         "Highest price item from farm : apple\n", 0, "", t3o(tie_then_cheaper)},
    Case{"fp02_first_when_last_is_cheaper", "farmprice02", "",
         "farm apple-20.000000\nfarm melon-20.000000\nshop pear-3.000000\nfarm fig-7.000000\n"
         "Highest price item from the farm:apple\n ", 0, "", t3o(tie_then_cheaper)},
    Case{"fp02_last_when_it_holds_the_maximum", "farmprice02", "",
         "farm apple-20.000000\nshop pear-3.000000\nfarm melon-20.000000\nHighest price item from the farm:melon\n ", 0,
         "", t3o(tie_at_end)},
    Case{"fp03_earlier", "farmprice03", "",
         "farm  apple  - 20.00\nshop  pear  - 3.00\nfarm  melon  - 20.00\nHighest Price Item from farm : apple\n", 0, "",
         t3o(tie_at_end)},
    Case{"fp04_earlier", "farmprice04", "",
         "farm apple 20.000000\nshop pear 3.000000\nfarm melon 20.000000\nHighest price item from farm: apple\n", 0, "",
         t3o(tie_at_end)},
    Case{"fp09_earlier", "farmprice09", "",
         "farm                apple                - 20.000000\n"
         "shop                pear                 - 3.000000\n"
         "farm                melon                - 20.000000\n"
         "Highest price item from farm:  apple.\n", 1, "", t3o(tie_at_end)},
    Case{"fp10_earlier", "farmprice10", "",
         "farm\t\tapple - 20.00\nshop\t\tpear - 3.00\nfarm\t\tmelon - 20.00\nHighest price item from farm: apple\n", 0, "",
         t3o(tie_at_end)},
    Case{"fp12_earlier", "farmprice12", "",
         "farm apple - 20.000000\nshop pear - 3.000000\nfarm melon - 20.000000\n"
         "The maximum priced item from farm is : apple\n", 0, "", t3o(tie_at_end)},
    Case{"fp13_earlier", "farmprice13", "",
         "farm apple - 20.000000 \nshop pear - 3.000000 \nfarm melon - 20.000000 \nHighest price item from farm: apple. ",
         0, "", t3o(tie_at_end)},
    Case{"fp05_first_of_equal_maxima", "farmprice05", "", "apple 20.000000 \npear 3.000000 \nmelon 20.000000 \n"
         "MAX farm apple 20.000000", 0, "", t3o(tie_at_end)},
    Case{"fp14_first_of_equal_maxima", "farmprice14", "",
         "shop  pear  - 9.000000\nfarm  melon  - 9.000000\nHighest price item from farm: pear\n", 0, "",
         t3o("2\npear shop 9\nmelon farm 9\n")},
    Case{"fp15_highest_of_equal", "farmprice15", "", "Highest price from farm is: 20.000000", 0, "", t3o(tie_at_end)}),
    dialogue::CaseName{});

// Prices at or below each member's bar, and members without a bar.
INSTANTIATE_TEST_SUITE_P(Bars, Dialogue, ::testing::Values(
    Case{"fp01_below_zero_is_none", "farmprice01", "",
         "farm  apple - -10.000000\nshop  pear - 4.000000\nNo item from farm\n", 0, "", t3o(negative)},
    Case{"fp01_zero_is_none", "farmprice01", "", "farm  apple - 0.000000\nNo item from farm\n", 0, "",
         t3o("1\nfarm apple 0\n")},
    Case{"fp09_below_zero_is_none", "farmprice09", "",
         "farm                apple                - -10.000000\n"
         "shop                pear                 - 4.000000\nNo item from farm.\n", 1, "", t3o(negative)},
    Case{"fp12_below_zero_is_none", "farmprice12", "",
         "farm apple - -10.000000\nshop pear - 4.000000\nNo item from farm\n", 0, "", t3o(negative)},
    Case{"fp13_below_zero_is_none", "farmprice13", "",
         "farm apple - -10.000000 \nshop pear - 4.000000 \nNo item from farm. ", 0, "", t3o(negative)},
    Case{"fp03_above_its_bar", "farmprice03", "",
         "farm  apple  - -10.00\nshop  pear  - 4.00\nHighest Price Item from farm : apple\n", 0, "", t3o(negative)},
    Case{"fp03_at_its_bar_is_none", "farmprice03", "", "farm  apple  - -34.00\nNo Item from farm\n", 0, "",
         t3o("1\nfarm apple -34\n")},
    Case{"fp02_any_farm_price", "farmprice02", "",
         "farm apple--10.000000\nshop pear-4.000000\nHighest price item from the farm:apple\n ", 0, "", t3o(negative)},
    Case{"fp04_any_farm_price", "farmprice04", "",
         "farm apple -10.000000\nshop pear 4.000000\nHighest price item from farm: apple\n", 0, "", t3o(negative)},
    Case{"fp10_any_farm_price", "farmprice10", "",
         "farm\t\tapple - -10.00\nshop\t\tpear - 4.00\nHighest price item from farm: apple\n", 0, "", t3o(negative)},
    Case{"fp15_any_farm_price", "farmprice15", "", "Highest price from farm is: -10.000000", 0, "", t3o(negative)},
    Case{"fp06_above_its_bar", "farmprice06", "",
         "\nfarm hightest - -1.000000\nshop hightest - -0.500000\nmill apple - 99.000000"
         "\n\nthe greatest price: shop\n", 0, "", t3o("3\nfarm hightest -1\nshop hightest -0.5\nmill apple 99\n")},
    Case{"fp06_at_its_bar_is_none", "farmprice06", "", "\nfarm hightest - -1.000000\n\nno record is hightest\n", 0,
         "", t3o("1\nfarm hightest -1\n")},
    Case{"fp06_dearest_hightest", "farmprice06", "",
         "\nfarm hightest - 12.500000\nshop hightest - 30.000000\nmill hightest - 30.000000"
         "\n\nthe greatest price: shop\n", 0, "", t3o("3\nfarm hightest 12.5\nshop hightest 30\nmill hightest 30\n")},
    Case{"fp07_above_its_bar", "farmprice07", " shop\n",
         "2\nshop\tpear\t-100.000000\nshop\tfig\t-99.500000\n"
         "enter the source among which the most expensive product value has to be printed\n"
         "the expensive among shop isshop\tfig\t-99.500000", 0, "", t3o("2\nshop pear -100\nshop fig -99.5\n")},
    Case{"fp07_at_its_bar_is_none", "farmprice07", "\nshop\n",
         "1\nshop\tpear\t-100.000000\n"
         "enter the source among which the most expensive product value has to be printed\n"
         "no product among shop", 0, "", t3o("1\nshop pear -100\n")}),
    dialogue::CaseName{});

// No farm record, and the one character farmprice07 passes over before the source.
INSTANTIATE_TEST_SUITE_P(NoFarm, Dialogue, ::testing::Values(
    Case{"fp01", "farmprice01", "", "shop  pear - 4.000000\nmarket  fig - 9.000000\nNo item from farm\n", 0, "",
         t3o(no_farm)},
    Case{"fp02", "farmprice02", "", "shop pear-4.000000\nmarket fig-9.000000\nNo item from the farm\n", 0, "",
         t3o(no_farm)},
    Case{"fp03", "farmprice03", "", "shop  pear  - 4.00\nmarket  fig  - 9.00\nNo Item from farm\n", 0, "", t3o(no_farm)},
    Case{"fp04", "farmprice04", "", "shop pear 4.000000\nmarket fig 9.000000\nNo item from farm\n", 0, "",
         t3o(no_farm)},
    Case{"fp08_no_prices", "farmprice08", "", "2\nItems in Menu:\nshop pear-4.000000\nmarket fig-9.000000\n", 0, "",
         {{"item.txt", no_farm}}},
    Case{"fp10", "farmprice10", "", "shop\t\tpear - 4.00\nmarket\t\tfig - 9.00\nNo item from farm\n", 0, "",
         t3o(no_farm)},
    Case{"fp14_first_record_dearest", "farmprice14", "",
         "fig  market  - 9.000000\npear  shop  - 4.000000\nHighest price item from farm: market\n", 0, "",
         t3o("2\nmarket fig 9\nshop pear 4\n")},
    Case{"fp15", "farmprice15", "", "No price from farm", 0, "", t3o(no_farm),
         {{"output.txt", "shop pear - 4.000000\nmarket fig - 9.000000\n"}}},
    Case{"fp15_empty_file", "farmprice15", "", "No price from farm", 0, "", t3o("0\n"), {{"output.txt", ""}}},
    Case{"fp07_first_character_passed_over", "farmprice07", "market\n",
         "2\nshop\tpear\t4.000000\nmarket\tfig\t9.000000\n"
         "enter the source among which the most expensive product value has to be printed\n"
         "no product among arket", 0, "", t3o(no_farm)},
    Case{"fp07_typed_source_not_farm", "farmprice07", "\nmarket\n",
         "2\nshop\tpear\t4.000000\nmarket\tfig\t9.000000\n"
         "enter the source among which the most expensive product value has to be printed\n"
         "the expensive among market ismarket\tfig\t9.000000", 0, "", t3o(no_farm)}),
    dialogue::CaseName{});

// Files shorter or longer than their count: members that read to the end list what is
// there and keep n records; members that read exactly n records refuse a short file.
INSTANTIATE_TEST_SUITE_P(Counts, Dialogue, ::testing::Values(
    Case{"fp02_short", "farmprice02", "", "farm apple-12.500000\nshop pear-4.000000\n"
         "Highest price item from the farm:apple\n ", 0, "", t3o(short_file)},
    Case{"fp03_short", "farmprice03", "", "farm  apple  - 12.50\nshop  pear  - 4.00\n"
         "Highest Price Item from farm : apple\n", 0, "", t3o(short_file)},
    Case{"fp04_short", "farmprice04", "", "farm apple 12.500000\nshop pear 4.000000\n"
         "Highest price item from farm: apple\n", 0, "", t3o(short_file)},
    Case{"fp06_short", "farmprice06", "", "\nfarm apple - 12.500000\nshop pear - 4.000000\n\nno record is hightest\n",
         0, "", t3o(short_file)},
    Case{"fp08_short", "farmprice08", "", "3\nItems in Menu:\nfarm apple-12.500000\nshop pear-4.000000\n12.500000", 0,
         "", {{"item.txt", short_file}}},
    Case{"fp02_long_keeps_n", "farmprice02", "", "farm apple-12.500000\nHighest price item from the farm:apple\n ", 0,
         "", t3o(long_file)},
    Case{"fp03_long_keeps_n", "farmprice03", "", "farm  apple  - 12.50\nHighest Price Item from farm : apple\n", 0, "",
         t3o(long_file)},
    Case{"fp04_long_keeps_n", "farmprice04", "", "farm apple 12.500000\nHighest price item from farm: apple\n", 0, "",
         t3o(long_file)},
    Case{"fp06_long_keeps_n", "farmprice06", "", "\nfarm hightest - 1.000000\n\nthe greatest price: farm\n", 0, "",
         t3o("1\nfarm hightest 1\nshop hightest 2\n")},
    Case{"fp08_long_lists_all_keeps_n", "farmprice08", "",
         "1\nItems in Menu:\nfarm apple-12.500000\nfarm melon-20.000000\n12.500000", 0, "", {{"item.txt", long_file}}},
    Case{"fp01_long_reads_n", "farmprice01", "", "farm  apple - 12.500000\nHighest price item from farm : apple\n", 0, "",
         t3o(long_file)},
    Case{"fp12_long_reads_n", "farmprice12", "", "farm apple - 12.500000\nThe maximum priced item from farm is : apple\n",
         0, "", t3o(long_file)},
    Case{"fp01_short", "farmprice01", "", "", 1, "t3o.txt: expected a word, found the end of the file", t3o(short_file)},
    Case{"fp05_short", "farmprice05", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp07_short", "farmprice07", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp09_short", "farmprice09", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp10_short", "farmprice10", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp12_short", "farmprice12", "", "", 1, "t3o.txt: expected a record", t3o(short_file)},
    Case{"fp13_short", "farmprice13", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp14_short", "farmprice14", "", "", 1, "t3o.txt", t3o(short_file)},
    Case{"fp15_short_writes_nothing", "farmprice15", "", "", 1, "t3o.txt", t3o(short_file), {{"output.txt", std::nullopt}}},
    Case{"fp01_empty_count", "farmprice01", "", "No item from farm\n", 0, "", t3o("0\n")},
    Case{"fp05_needs_a_record", "farmprice05", "", "", 1, "the record count in t3o.txt must be from 1 to 1000000",
         t3o("0\n")},
    Case{"fp14_needs_a_record", "farmprice14", "", "", 1, "the record count in t3o.txt must be from 1 to 1000000",
         t3o("0\n")},
    Case{"fp02_negative_count", "farmprice02", "", "", 1, "the record count in t3o.txt must be from 0 to 1000000",
         t3o("-1\nfarm apple 1\n")},
    Case{"fp10_huge_count", "farmprice10", "", "", 1, "the record count in t3o.txt must be from 0 to 1000000",
         t3o("1000001\nfarm apple 1\n")},
    Case{"fp08_negative_count", "farmprice08", "", "", 1, "the record count in item.txt must be from 0 to 1000000",
         {{"item.txt", "-3\n"}}}),
    dialogue::CaseName{});

// Reading details: words as wide as each field, prices kept as float, line reads.
INSTANTIATE_TEST_SUITE_P(Fields, Dialogue, ::testing::Values(
    Case{"fp01_widest_words", "farmprice01", "",
         "farmersmarkets  abcdefghijklmnop - 1.000000\nNo item from farm\n", 0, "",
         t3o("1\nfarmersmarkets abcdefghijklmnop 1\n")},
    Case{"fp01_source_too_wide", "farmprice01", "", "", 1, "t3o.txt: expected a word of at most 14 characters",
         t3o("1\nfarmersmarketsx apple 1\n")},
    Case{"fp13_item_too_wide", "farmprice13", "", "", 1, "t3o.txt: expected a word of at most 16 characters",
         t3o("1\nfarm abcdefghijklmnopq 1\n")},
    Case{"fp04_item_too_wide", "farmprice04", "", "", 1, "t3o.txt: expected a word of at most 15 characters",
         t3o("1\nfarm abcdefghijklmnop 1\n")},
    Case{"fp06_word_after_hightest_too_wide", "farmprice06", "", "", 1, "t3o.txt: expected a word of at most 8 characters",
         t3o("1\nfarm hightests 1\n")},
    Case{"fp14_first_word_held_as_item", "farmprice14", "",
         "abcdefghijklmn  abcdefghijklmnop  - 2.000000\nHighest price item from farm: abcdefghijklmnop\n", 0, "",
         t3o("1\nabcdefghijklmnop abcdefghijklmn 2\n")},
    Case{"fp14_second_word_too_wide", "farmprice14", "", "", 1, "t3o.txt: expected a word of at most 14 characters",
         t3o("1\nfarm abcdefghijklmno 2\n")},
    Case{"fp12_copies_widest_name", "farmprice12", "",
         "farm abcdefghijklmnop - 3.000000\nThe maximum priced item from farm is : abcdefghijklmnop\n", 0, "",
         t3o("1\nfarm abcdefghijklmnop 3\n")},
    Case{"fp01_price_kept_as_float", "farmprice01", "",
         "farm  apple - 16777216.000000\nHighest price item from farm : apple\n", 0, "", t3o("1\nfarm apple 16777217\n")},
    Case{"fp03_blank_lines_passed_over", "farmprice03", "",
         "farm  apple  - 1.00\nHighest Price Item from farm : apple\n", 0, "", t3o("1\n\nfarm apple 1\n\n")},
    Case{"fp03_record_split_over_lines", "farmprice03", "", "", 1, "t3o.txt", t3o("1\nfarm apple\n1\n")},
    Case{"fp03_no_count", "farmprice03", "", "", 1, "t3o.txt: expected the record count", t3o("farm apple 1\n")},
    Case{"fp12_count_as_atoi_takes_it", "farmprice12", "", "No item from farm\n", 0, "", t3o("two\nfarm apple 1\n")},
    Case{"fp12_line_too_long", "farmprice12", "", "", 1, "t3o.txt: a line longer than 98 characters",
         t3o("1\nfarm apple 1" + std::string(100, ' ') + "\n")},
    Case{"fp02_broken_record", "farmprice02", "", "", 1, "t3o.txt", t3o("2\nfarm apple 1\nfarm pear\n")},
    Case{"fp08_broken_record_after_listing", "farmprice08", "", "2\nItems in Menu:\nfarm apple-1.000000\n", 1,
         "item.txt", {{"item.txt", "2\nfarm apple 1\nfarm pear x\n"}}}),
    dialogue::CaseName{});

// A data file that cannot be opened: each member's own answer, or a message naming it.
INSTANTIATE_TEST_SUITE_P(MissingFile, Dialogue, ::testing::Values(
    Case{"fp01_silent", "farmprice01", "", "", 0, ""},
    Case{"fp02_not_found", "farmprice02", "", "ERROR( FILE NOT FOUND )\n", 1, ""},
    Case{"fp04_status_minus_one", "farmprice04", "", "Error in opening\n", 255, ""},
    Case{"fp04_directory_in_its_place", "farmprice04", "", "Error in opening\n", 255, "", {}, {}, {"t3o.txt"}},
    Case{"fp10_message_status_0", "farmprice10", "", "File could not be opened successfully\n", 0, ""},
    Case{"fp15_error_status_0", "farmprice15", "", "error", 0, "", {}, {{"output.txt", std::nullopt}}},
    Case{"fp03", "farmprice03", "", "", 1, "cannot open t3o.txt"},
    Case{"fp05", "farmprice05", "", "", 1, "cannot open t3o.txt"},
    Case{"fp06", "farmprice06", "", "", 1, "cannot open t3o.txt"},
    Case{"fp07", "farmprice07", "", "", 1, "cannot open t3o.txt"},
    Case{"fp08_reads_item_txt", "farmprice08", "", "", 1, "cannot open item.txt", t3o(basic)},
    Case{"fp09", "farmprice09", "", "", 1, "cannot open t3o.txt"},
    Case{"fp12", "farmprice12", "", "", 1, "cannot open t3o.txt"},
    Case{"fp13", "farmprice13", "", "", 1, "cannot open t3o.txt"},
    Case{"fp14", "farmprice14", "", "", 1, "cannot open t3o.txt"},
    Case{"fp15_output_not_writable", "farmprice15", "", "", 1, "output.txt", t3o(basic), {}, {"output.txt"}}),
    dialogue::CaseName{});

// farmprice11: records from the keyboard, written to t3o.txt back to back.
INSTANTIATE_TEST_SUITE_P(Keyboard, Dialogue, ::testing::Values(
    Case{"fp11_writes_back_to_back", "farmprice11", "3\nfarm apple 12.5\nshop pear 30\nfarm melon 20.25\n",
         "farm\tapple\t12.500000shop\tpear\t30.000000farm\tmelon\t20.250000Highest price item from farm:melon.", 0, "",
         {}, {{"t3o.txt", "farm apple 12.500000shop pear 30.000000farm melon 20.250000"}}},
    Case{"fp11_replaces_file_tie_earlier", "farmprice11", "2 farm apple 20 farm melon 20",
         "farm\tapple\t20.000000farm\tmelon\t20.000000Highest price item from farm:apple.", 0, "", t3o(basic),
         {{"t3o.txt", "farm apple 20.000000farm melon 20.000000"}}},
    Case{"fp11_below_zero_is_none", "farmprice11", "1\nfarm apple -2\n", "farm\tapple\t-2.000000No item from farm.", 0,
         "", {}, {{"t3o.txt", "farm apple -2.000000"}}},
    Case{"fp11_no_records", "farmprice11", "0\n", "No item from farm.", 0, "", {}, {{"t3o.txt", ""}}},
    Case{"fp11_end_of_input_midway", "farmprice11", "2\nfarm apple 1\nfarm", "", 1, "found the end of input", {},
         {{"t3o.txt", "farm apple 1.000000"}}},
    Case{"fp11_word_too_long", "farmprice11", "1\nfarm " + std::string(100, 'a') + " 1\n", "", 1,
         "expected a word of at most 99 characters"},
    Case{"fp11_widest_word", "farmprice11", "1\nfarm " + std::string(99, 'a') + " 1\n",
         "farm\t" + std::string(99, 'a') + "\t1.000000Highest price item from farm:" + std::string(99, 'a') + ".", 0, "",
         {}, {{"t3o.txt", "farm " + std::string(99, 'a') + " 1.000000"}}},
    Case{"fp11_count_refused_file_untouched", "farmprice11", "-1\n", "", 1, "n must be from 0 to 1000000", t3o(basic),
         {{"t3o.txt", basic}}},
    Case{"fp11_not_writable", "farmprice11", "1\nfarm apple 1\n", "", 1, "cannot open t3o.txt", {}, {}, {"t3o.txt"}},
    Case{"fp07_source_word_too_long", "farmprice07", "\nfarmersmkt\n",
         "2\nshop\tpear\t4.000000\nmarket\tfig\t9.000000\n"
         "enter the source among which the most expensive product value has to be printed\n",
         1, "expected a word of at most 9 characters", t3o(no_farm)},
    Case{"fp07_no_source_typed", "farmprice07", "\n",
         "0\nenter the source among which the most expensive product value has to be printed\n", 1,
         "found the end of input", t3o("0\n")}),
    dialogue::CaseName{});

}  // namespace
