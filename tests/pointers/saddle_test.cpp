// Dialogues of the saddle-point family.
#include <gtest/gtest.h>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// What each member prints before its result.
const std::string p01 = "Enter the number rows and columns : Enter the elements of the matrix : \n";
const std::string h01 = "\nIn the above array the saddle point is ";
const std::string p02 = "Enter size of 2D array:\nEnter elements row wise\n";
const std::string p03 = "give M and N\nEnter the elements of matrix\n ";
const std::string none03 = "In the above array, there is no saddle point\n";
const std::string p04 = "Enter M and N : \nEnter the elements of matrix : \n ";
const std::string none04 = "In the above array,no saddle point\n";
const std::string p05 = "enter m and n \nenter A \n";
const std::string none05 = "no saddlepoint found \n";

// Matrices given as their dimensions and their elements row by row.
const std::string ascending = "3 3\n1 2 3\n4 5 6\n7 8 9\n";
const std::string all_equal = "2 3\n4 4 4\n4 4 4\n";
const std::string row_tie = "2 2\n5 5\n1 6\n";
const std::string single = "1 1\n-4\n";
const std::string one_row = "1 4\n3 -1 2 8\n";
// Both kinds in row 1; the row-0 maximum 5 has 4 below it in its column.
const std::string later_row = "2 2\n1 5\n3 4\n";
// Column 0 holds two 2s: a tie that only the strict searches reject.
const std::string column_tie = "2 2\n2 1\n2 0\n";
// Row 0's 1s tie, but its 2 is strictly largest in the row and smallest in its column.
const std::string tie_elsewhere = "2 3\n1 1 2\n0 0 3\n";

class Results : public ::testing::TestWithParam<Case> {};
TEST_P(Results, MatchDialogue) { dialogue::check(GetParam()); }

// Every saddle point of both kinds, strict, in row-major order.
INSTANTIATE_TEST_SUITE_P(EveryStrict, Results, ::testing::Values(
    Case{"s01_ascending", "saddle01", ascending, p01 + h01 + "a[0][2] = 3   a[2][0] = 7   "},
    Case{"s01_all_equal", "saddle01", all_equal, p01 + h01 + "none.\n"},
    Case{"s01_row_tie", "saddle01", row_tie, p01 + h01 + "none.\n"},
    Case{"s01_single", "saddle01", single, p01 + h01 + "a[0][0] = -4   "},
    Case{"s01_one_row_min_and_max", "saddle01", one_row, p01 + h01 + "a[0][1] = -1   a[0][3] = 8   "},
    Case{"s01_later_row_both_kinds", "saddle01", later_row, p01 + h01 + "a[1][0] = 3   a[1][1] = 4   "},
    Case{"s01_column_tie_rejected", "saddle01", column_tie, p01 + h01 + "a[0][1] = 1   "},
    Case{"s01_tie_elsewhere", "saddle01", tie_elsewhere, p01 + h01 + "a[0][2] = 2   "},
    Case{"s01_no_rows", "saddle01", "0 5\n", p01 + h01 + "none.\n"},
    // A matrix with rows but no columns has no element, so no saddle point.
    Case{"s01_no_columns", "saddle01", "2 0\n", p01 + h01 + "none.\n"}),
    dialogue::CaseName{});

// saddle02 reads the matrix into one block and prints only its prompts.
INSTANTIATE_TEST_SUITE_P(ReadOnly, Results, ::testing::Values(
    Case{"s02_reads_and_ends", "saddle02", ascending, p02},
    Case{"s02_empty_matrix", "saddle02", "0 0\n", p02}),
    dialogue::CaseName{});

// The first row maximum (leftmost on ties) that no element of its column lies below.
INSTANTIATE_TEST_SUITE_P(FirstFound, Results, ::testing::Values(
    Case{"s03_ascending_first_only", "saddle03", ascending, p03 + "In the above array ,a[0][2]= 3 is saddle point\n"},
    Case{"s03_all_equal_first", "saddle03", all_equal, p03 + "In the above array ,a[0][0]= 4 is saddle point\n"},
    Case{"s03_row_tie_leftmost_only", "saddle03", row_tie, p03 + none03},
    Case{"s03_single", "saddle03", single, p03 + "In the above array ,a[0][0]= -4 is saddle point\n"},
    Case{"s03_later_row", "saddle03", later_row, p03 + "In the above array ,a[1][1]= 4 is saddle point\n"},
    Case{"s03_column_tie_accepted", "saddle03", column_tie, p03 + "In the above array ,a[0][0]= 2 is saddle point\n"},
    Case{"s03_no_rows", "saddle03", "0 0\n", p03 + none03},
    Case{"s04_ascending_first_only", "saddle04", ascending, p04 + "In the above array, a[0][2] = 3 is saddle point \n"},
    Case{"s04_all_equal_first", "saddle04", all_equal, p04 + "In the above array, a[0][0] = 4 is saddle point \n"},
    Case{"s04_row_tie_leftmost_only", "saddle04", row_tie, p04 + none04},
    Case{"s04_single", "saddle04", single, p04 + "In the above array, a[0][0] = -4 is saddle point \n"},
    Case{"s04_later_row", "saddle04", later_row, p04 + "In the above array, a[1][1] = 4 is saddle point \n"},
    Case{"s04_column_tie_accepted", "saddle04", column_tie, p04 + "In the above array, a[0][0] = 2 is saddle point \n"},
    Case{"s04_no_rows", "saddle04", "0 3\n", p04 + none04}),
    dialogue::CaseName{});

// Row minima against column maxima first, then row maxima against column minima, counted.
INSTANTIATE_TEST_SUITE_P(TwoPasses, Results, ::testing::Values(
    Case{"s05_ascending_pass_order", "saddle05", ascending,
         p05 + "saddle at A[2][0]= 7 \nsaddle at A[0][2]= 3 \ntotal number of saddlepoint = 2 \n"},
    Case{"s05_all_equal", "saddle05", all_equal, p05 + none05},
    Case{"s05_row_tie", "saddle05", row_tie, p05 + none05},
    Case{"s05_single_counted_twice", "saddle05", single,
         p05 + "saddle at A[0][0]= -4 \nsaddle at A[0][0]= -4 \ntotal number of saddlepoint = 2 \n"},
    Case{"s05_one_row_min_then_max", "saddle05", one_row,
         p05 + "saddle at A[0][1]= -1 \nsaddle at A[0][3]= 8 \ntotal number of saddlepoint = 2 \n"},
    Case{"s05_later_row", "saddle05", later_row,
         p05 + "saddle at A[1][0]= 3 \nsaddle at A[1][1]= 4 \ntotal number of saddlepoint = 2 \n"},
    Case{"s05_column_tie_rejected", "saddle05", column_tie,
         p05 + "saddle at A[0][1]= 1 \ntotal number of saddlepoint = 1 \n"},
    Case{"s05_tie_elsewhere", "saddle05", tie_elsewhere,
         p05 + "saddle at A[0][2]= 2 \ntotal number of saddlepoint = 1 \n"},
    Case{"s05_no_rows", "saddle05", "0 0\n", p05 + none05}),
    dialogue::CaseName{});

// Dimensions the members cannot take: refused right after they are read.
INSTANTIATE_TEST_SUITE_P(Refused, Results, ::testing::Values(
    Case{"s01_negative_rows", "saddle01", "-1 2\n", "Enter the number rows and columns : ", 1,
         "M must be from 0 to 1000000"},
    Case{"s01_too_many_elements", "saddle01", "1000 1001\n", "Enter the number rows and columns : ", 1,
         "N must be from 0 to 1000"},
    Case{"s02_negative_dimensions", "saddle02", "-2 -3\n", "Enter size of 2D array:\n", 1,
         "M must be from 0 to 1000000"},
    Case{"s02_product_too_large", "saddle02", "2 500001\n", "Enter size of 2D array:\n", 1,
         "N must be from 0 to 500000"},
    Case{"s03_rows_without_columns", "saddle03", "2 0\n", "give M and N\n", 1, "N must be from 1 to 500000"},
    Case{"s04_negative_columns", "saddle04", "1 -1\n", "Enter M and N : \n", 1, "N must be from 1 to 1000000"},
    Case{"s05_rows_without_columns", "saddle05", "3 0\n", "enter m and n \n", 1, "n must be from 1 to 333333"},
    // Elements missing at the end of input: the prompts stay, nothing more is printed.
    Case{"s01_elements_missing", "saddle01", "2 2\n1 2 3\n", p01, 1, "expected a whole number"},
    Case{"s05_letter_for_element", "saddle05", "1 2\n1 x\n", p05, 1, "expected a whole number"}),
    dialogue::CaseName{});

}  // namespace
