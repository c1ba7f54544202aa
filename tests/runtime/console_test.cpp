// The runtime's scanner must read exactly what scanf reads wherever scanf is defined,
// and refuse what does not fit.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console.hpp"

namespace {

class SameAsScanf : public ::testing::TestWithParam<std::string> {};

TEST_P(SameAsScanf, Integers) {
    const char* text = GetParam().c_str();
    int a = -7, b = -7, c = -7, d = -7;
    const int want = std::sscanf(text, "%d%d", &a, &b);
    const int got = rt::sscan("input", text, "%d%d", &c, &d);
    EXPECT_EQ(got, want);
    EXPECT_EQ(c, a);
    EXPECT_EQ(d, b);
}

TEST_P(SameAsScanf, Floats) {
    const char* text = GetParam().c_str();
    float a = -7, b = -7;
    const int want = std::sscanf(text, "%f", &a);
    const int got = rt::sscan("input", text, "%f", &b);
    EXPECT_EQ(got, want);
    if (want == 1) EXPECT_EQ(b, a);
}

TEST_P(SameAsScanf, Doubles) {
    const char* text = GetParam().c_str();
    double a = -7, b = -7;
    const int want = std::sscanf(text, "%lf", &a);
    const int got = rt::sscan("input", text, "%lf", &b);
    EXPECT_EQ(got, want);
    if (want == 1) EXPECT_EQ(b, a);
}

TEST_P(SameAsScanf, WordsAndLiterals) {
    const char* text = GetParam().c_str();
    char w1[41] = "", w2[41] = "";
    int n1 = -7, n2 = -7;
    const int want = std::sscanf(text, " %40s , %d", w1, &n1);
    const int got = rt::sscan("input", text, " %40s , %d", w2, &n2);
    EXPECT_EQ(got, want);
    EXPECT_STREQ(w2, w1);
    EXPECT_EQ(n2, n1);
}

INSTANTIATE_TEST_SUITE_P(Texts, SameAsScanf,
                         ::testing::Values("", "   ", "12 34", "  -5\n+6", "7x 8", "x", "-", "+", "- 4", "1.5 2",
                                           "  -2.25e3x", "3.", ".5", ".", ".e", "1e", "1e+", "1E-2", "0.1",
                                           "123456789.123456789", "-0", "7e-50", "3.4e38", "2147483647 -2147483648",
                                           "000000000000000000000000012", "word , 5", "a,b", "\t\n9\t\n10"));

TEST(Refusals, NumbersThatDoNotFitTheirType) {
    int n = 0;
    float f = 0;
    long l = 0;
    EXPECT_EXIT(rt::sscan("input", "2147483648", "%d", &n), ::testing::ExitedWithCode(1),
                "expected a whole number from -2147483648 to 2147483647");
    EXPECT_EXIT(rt::sscan("input", "-2147483649", "%d", &n), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(rt::sscan("input", "99999999999999999999999", "%ld", &l), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(rt::sscan("input", "1e39", "%f", &f), ::testing::ExitedWithCode(1), "expected a number");
    EXPECT_EQ(rt::sscan("input", "-2147483648", "%d", &n), 1);
    EXPECT_EQ(n, -2147483647 - 1);
    EXPECT_EQ(rt::sscan("input", "9223372036854775807", "%ld", &l), 1);
    EXPECT_EQ(l, 9223372036854775807L);
}

TEST(Refusals, WordsLongerThanTheirField) {
    char w[6];
    EXPECT_EQ(rt::sscan("t3o.txt", "  abcde fg", "%5s", w), 1);
    EXPECT_STREQ(w, "abcde");
    EXPECT_EXIT(rt::sscan("t3o.txt", "abcdef", "%5s", w), ::testing::ExitedWithCode(1),
                "error: t3o.txt: expected a word of at most 5 characters");
    EXPECT_EXIT(rt::sscan("t3o.txt", "abc", "%s", w), ::testing::ExitedWithCode(1), "unsupported read format");
}

TEST(Lines, ReadWithoutTheirNewlineAndBounded) {
    char text[] = "first\n\nlast";
    std::FILE* in = fmemopen(text, sizeof text - 1, "r");
    ASSERT_NE(in, nullptr);
    char line[6];
    EXPECT_TRUE(rt::read_line(line, in));
    EXPECT_STREQ(line, "first");
    EXPECT_TRUE(rt::read_line(line, in));
    EXPECT_STREQ(line, "");
    EXPECT_TRUE(rt::read_line(line, in));
    EXPECT_STREQ(line, "last");
    EXPECT_FALSE(rt::read_line(line, in));
    std::fclose(in);

    char longer[] = "sixsix\n";
    EXPECT_EXIT(
        {
            std::FILE* f = fmemopen(longer, sizeof longer - 1, "r");
            char field[6];
            rt::read_line(field, f);
        },
        ::testing::ExitedWithCode(1), "expected a line of at most 5 characters");
}

TEST(Arithmetic, UndefinedCasesEndThePlainWay) {
    EXPECT_EQ(rt::divide(-7, 2), -3);
    EXPECT_EQ(rt::remainder_of(-7, 2), -1);
    EXPECT_EQ(rt::remainder_of(-2147483647 - 1, -1), 0);
    EXPECT_EQ(rt::to_int(-2.9), -2);
    EXPECT_EXIT(rt::divide(1, 0), ::testing::ExitedWithCode(1), "division by zero");
    EXPECT_EXIT(rt::divide(-2147483647 - 1, -1), ::testing::ExitedWithCode(1), "does not fit");
    EXPECT_EXIT(rt::to_int(1.0 / 0.0), ::testing::ExitedWithCode(1), "does not fit in an int");
    EXPECT_EXIT(rt::to_int(2147483648.0), ::testing::ExitedWithCode(1), "does not fit in an int");
}

}  // namespace
