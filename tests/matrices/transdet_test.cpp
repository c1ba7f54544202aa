// Dialogues of the transpose-and-determinant member.
#include <gtest/gtest.h>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// The prompts for order n: a newline is printed after each row is read.
std::string prompts(int n) { return "Enter n:Enter matrix elements:\n" + std::string(static_cast<std::size_t>(n), '\n'); }

class Results : public ::testing::TestWithParam<Case> {};
TEST_P(Results, MatchDialogue) { dialogue::check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Matrices, Results, ::testing::Values(
    Case{"single", "transdet", "1\n-7\n", prompts(1) + "The transpose is -7\ndeterminant is = -7"},
    Case{"two_by_two", "transdet", "2\n1 2\n3 4\n", prompts(2) + "The transpose is 13\n24\ndeterminant is = -2"},
    Case{"identity", "transdet", "3\n1 0 0\n0 1 0\n0 0 1\n", prompts(3) + "The transpose is 100\n010\n001\ndeterminant is = 1"},
    Case{"three_by_three", "transdet", "3\n6 1 1\n4 -2 5\n2 8 7\n",
         prompts(3) + "The transpose is 642\n1-28\n157\ndeterminant is = -306"},
    Case{"four_by_four", "transdet", "4\n1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n",
         prompts(4) + "The transpose is 1523\n2661\n3741\n4882\ndeterminant is = 72"},
    // 50000 · 50000 = 2500000000 wraps in int.
    Case{"wraps", "transdet", "2\n50000 0\n0 50000\n",
         prompts(2) + "The transpose is 500000\n050000\ndeterminant is = -1794967296"},
    Case{"order_zero", "transdet", "0\n", prompts(0) + "The transpose is determinant is = 0"}),
    dialogue::CaseName{});

// The largest order taken: the exact determinant -422198355428 wraps to -1291560420.
TEST(TransdetLargest, OrderTen) {
    int a[10][10];
    std::string input = "10\n";
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            a[i][j] = (i * i * 7 + j * j * 3 + i * j * 5 + i + 2 * j) % 23 - 11;
            input += std::to_string(a[i][j]) + " ";
        }
        input += "\n";
    }
    std::string transposed;
    for (int j = 0; j < 10; ++j) {
        for (int i = 0; i < 10; ++i) transposed += std::to_string(a[i][j]);
        transposed += "\n";
    }
    dialogue::check(Case{"order_ten", "transdet", input,
                         prompts(10) + "The transpose is " + transposed + "determinant is = -1291560420"});
}

INSTANTIATE_TEST_SUITE_P(Refused, Results, ::testing::Values(
    Case{"order_eleven", "transdet", "11\n", "Enter n:", 1, "n must be from 0 to 10"},
    Case{"negative_order", "transdet", "-2\n", "Enter n:", 1, "n must be from 0 to 10"},
    Case{"row_cut_short", "transdet", "2\n1 2\n3\n", prompts(1), 1, "expected a whole number"}),
    dialogue::CaseName{});

}  // namespace
