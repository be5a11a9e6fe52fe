#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editor/Numbers.h"
#include "editor/ToNumber.h"

namespace {

struct NumberCase {
    const char* text;
    double expected;
};

TEST(ToNumber, ReadsTheLongestLeadingDecimalNumber) {
    const NumberCase cases[] = {
        {"16", 16},          {"5-", 5},           {"-", 0},           {"1.", 1},
        {".5", 0.5},         {"９", 9},           {"12.9", 12.9},     {"１００", 100},
        {"100px", 100},      {"abc", 0},          {"  42", 42},       {"\t-7", -7},
        {"　８", 8},         {"", 0},             {"+3", 3},          {"－５", -5},
        {"1e3", 1000},       {"1e", 1},           {"2e+", 2},         {"0x10", 0},
        {"inf", 0},          {"nan", 0},          {"00", 0},          {"-0", 0},
        {"3.5.1", 3.5},      {"1,5", 1},          {"１．５", 1.5},    {"．", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(qv::toNumber(c.text), c.expected) << c.text;
}

TEST(ToNumber, HugeNumbersSaturateWhenTruncated) {
    EXPECT_EQ(qv::truncToInt32(qv::toNumber("99999999999999")), 2147483647);
    EXPECT_EQ(qv::truncToInt32(qv::toNumber("-99999999999999")), -2147483647 - 1);
    EXPECT_EQ(qv::truncToInt32(qv::toNumber("1e999")), 2147483647);
    EXPECT_EQ(qv::truncToInt32(qv::toNumber("-1e999")), -2147483647 - 1);
    EXPECT_EQ(qv::toNumber("1e-999"), 0.0);
    EXPECT_EQ(qv::truncToInt32(std::nan("")), 0);
    EXPECT_EQ(qv::truncToInt32(12.9), 12);
    EXPECT_EQ(qv::truncToInt32(-12.9), -12);
}

}  // namespace
