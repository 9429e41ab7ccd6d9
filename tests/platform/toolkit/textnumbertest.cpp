#include "platform/toolkit/textnumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(LeadingInteger, ReadsTheLeadingDecimalNumberTruncated)
{
    static const struct {
        const char *text;
        int expected;
    } cases[] = {
        {"12", 12},
        {"12abc", 12},
        {"-7", -7},
        {"+5", 5},
        {"  42", 42},
        {"12.9", 12},
        {"-12.9", -12},
        {"-0.5", 0},
        {"1e10", 0},
        {"1.5e3x", 1500},
        {"0x10", 0},
        {".5", 0},
        {"abc", 0},
        {"", 0},
        {"inf", 0},
        {"nan", 0},
        {"-", 0},
        {"16777215", 16777215},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999999", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(leadingInteger(c.text), c.expected) << c.text;
}

TEST(LeadingNumber, ReadsSignDigitsFractionAndExponent)
{
    static const struct {
        const char *text;
        double expected;
    } cases[] = {
        {"2.75", 2.75}, {"-2.75x", -2.75}, {" \t.5", 0.5}, {"1e+20", 1e20}, {"49.048", 49.048},
        {"abc", 0},     {"inf", 0},        {"nan", 0},     {"0x1p3", 0},    {"+", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << c.text;
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
}

} // namespace
