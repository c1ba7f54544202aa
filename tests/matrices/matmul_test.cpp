// Dialogues of the matrix-product family.
#include <gtest/gtest.h>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// A (2 × 3) = 1 2 3 / 4 5 6 and B (3 × 2) = 7 8 / 9 10 / 11 12 give C = 58 64 / 139 154.
const std::string a23 = "1 2 3\n4 5 6\n";
const std::string b32 = "7 8\n9 10\n11 12\n";

const std::string p01_23 = "\nEnter m,n,p: \nEnter matrix A(2*3)(row by row): \n\n\nEnter matrix B(3*2)(row by row): \n\n\n";
const std::string p01_11 = "\nEnter m,n,p: \nEnter matrix A(1*1)(row by row): \n\nEnter matrix B(1*1)(row by row): \n";
const std::string p02 = "Enter number of rows and columns of first matrix\nEnter elements of first matrix A\n"
                        "Enter number of columns of second matrix B\nEnter elements of second matrix B\n";
const std::string p03 = "Enter m,n,p : Enter A : \nEnter B : \n";
const std::string p05 = "Enter m,n,p in the given order\nEnter the elements of matrix A\nEnter the elements of matrix B\n";

// 50000 · 50000 = 2500000000 wraps to -1794967296.
const std::string wrap = "1 1 1\n50000\n50000\n";

class Results : public ::testing::TestWithParam<Case> {};
TEST_P(Results, MatchDialogue) { dialogue::check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Products, Results, ::testing::Values(
    Case{"m01_two_by_two", "matmul01", "2 3 2\n" + a23 + b32,
         p01_23 + "\nMultiplication of A and B = C[2][2]: \n58  64  \n139  154  "},
    Case{"m01_single", "matmul01", "1 1 1\n3\n-4\n", p01_11 + "\nMultiplication of A and B = C[1][1]: \n-12  "},
    Case{"m01_wraps", "matmul01", wrap, p01_11 + "\nMultiplication of A and B = C[1][1]: \n-1794967296  "},
    Case{"m01_shared_zero", "matmul01", "2 0 3\n",
         "\nEnter m,n,p: \nEnter matrix A(2*0)(row by row): \n\n\nEnter matrix B(0*3)(row by row): "
         "\nMultiplication of A and B = C[2][3]: \n0  0  0  \n0  0  0  "},
    // The running sum is reset after each store: 139 does not carry 58 + 64.
    Case{"m02_two_by_two", "matmul02", "2 3\n" + a23 + "2\n" + b32, p02 + "Product of the matrices C:\n58\t64\t\n139\t154\t\n"},
    Case{"m02_single", "matmul02", "1 1\n3\n1\n-4\n", p02 + "Product of the matrices C:\n-12\t\n"},
    Case{"m02_shared_zero", "matmul02", "2 0\n2\n", p02 + "Product of the matrices C:\n0\t0\t\n0\t0\t\n"},
    Case{"m03_two_by_two", "matmul03", "2 3 2\n" + a23 + b32, p03 + "Output : \n58 64 \n139 154 \n"},
    Case{"m03_single", "matmul03", "1 1 1\n3\n-4\n", p03 + "Output : \n-12 \n"},
    Case{"m03_wraps", "matmul03", wrap, p03 + "Output : \n-1794967296 \n"},
    Case{"m04_two_by_two", "matmul04", "2 3 2\n" + a23 + b32,
         "enter m,p,n: \n enter A of dim 2*3: \nenter B of dim 3*2: \noutput: \n5864\n139154\n"},
    Case{"m04_digits_run_together", "matmul04", "1 1 2\n1\n1 2\n",
         "enter m,p,n: \n enter A of dim 1*1: \nenter B of dim 1*2: \noutput: \n12\n"},
    Case{"m04_single", "matmul04", "1 1 1\n3\n-4\n",
         "enter m,p,n: \n enter A of dim 1*1: \nenter B of dim 1*1: \noutput: \n-12\n"},
    Case{"m05_two_by_two", "matmul05", "2 3 2\n" + a23 + b32, p05 + "58 64 \n139 154 \n"},
    Case{"m05_single", "matmul05", "1 1 1\n3\n-4\n", p05 + "-12 \n"},
    Case{"m05_wraps", "matmul05", wrap, p05 + "-1794967296 \n"},
    Case{"m05_shared_zero", "matmul05", "1 0 2\n", p05 + "0 0 \n"},
    // C sized 0 × p has no rows; m × 0 has empty rows.
    Case{"m05_no_rows", "matmul05", "0 2 2\n1 2\n3 4\n", p05},
    Case{"m05_no_columns", "matmul05", "2 1 0\n1\n2\n", p05 + "\n\n"}),
    dialogue::CaseName{});

// matmul04's own size check: status 0, no element read.
const std::string p04_size = "enter m,p,n: \n enter m,n,p not greater than 10 \n";
INSTANTIATE_TEST_SUITE_P(SizeCheck, Results, ::testing::Values(
    Case{"m04_rows_eleven", "matmul04", "11 1 1\n", p04_size},
    Case{"m04_shared_eleven", "matmul04", "1 11 1\n", p04_size},
    Case{"m04_columns_eleven", "matmul04", "1 1 11\n", p04_size}),
    dialogue::CaseName{});

// matmul04 takes the full capacity: ten rows of 1s times ten rows of 1s is all 10s.
TEST(MatmulCapacity, TakesTenByTen) {
    std::string ones;
    for (int i = 0; i < 200; ++i) ones += "1 ";
    std::string rows;
    for (int i = 0; i < 10; ++i) rows += "10101010101010101010\n";
    dialogue::check(Case{"m04_ten", "matmul04", "10 10 10\n" + ones,
                         "enter m,p,n: \n enter A of dim 10*10: \nenter B of dim 10*10: \noutput: \n" + rows});
}

// Sizes outside a member's capacity, or negative: refused right after they are read.
INSTANTIATE_TEST_SUITE_P(Refused, Results, ::testing::Values(
    Case{"m01_above_twenty", "matmul01", "2 21 2\n", "\nEnter m,n,p: ", 1, "n must be from 0 to 20"},
    Case{"m01_negative", "matmul01", "-1 2 2\n", "\nEnter m,n,p: ", 1, "m must be from 0 to 20"},
    Case{"m02_columns_above_ten", "matmul02", "1 1\n5\n11\n",
         "Enter number of rows and columns of first matrix\nEnter elements of first matrix A\n"
         "Enter number of columns of second matrix B\n",
         1, "p must be from 0 to 10"},
    Case{"m03_above_ten", "matmul03", "11 1 1\n", "Enter m,n,p : ", 1, "m must be from 0 to 10"},
    Case{"m04_negative", "matmul04", "2 -1 2\n", "enter m,p,n: \n ", 1, "n must be from 0 to 10"},
    Case{"m05_above_ten", "matmul05", "1 1 12\n", "Enter m,n,p in the given order\n", 1, "p must be from 0 to 10"},
    Case{"m03_elements_missing", "matmul03", "1 2 1\n4\n", "Enter m,n,p : Enter A : \n", 1, "expected a whole number"}),
    dialogue::CaseName{});

}  // namespace
