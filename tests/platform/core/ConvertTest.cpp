#include <gtest/gtest.h>

#include <climits>

#include "platform/core/Convert.h"

TEST(Convert, IntegersFollowTheCRules)
{
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"42", 42},          {"  \t-17x", -17},          {"+5", 5},           {"", 0},
        {"abc", 0},          {"12.9", 12},               {"- 3", 0},          {"0x10", 0},
        {"2147483647", INT32_MAX}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::AtoI(c.text), c.expected) << c.text;
        EXPECT_EQ(platform::AtoL(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(platform::AtoI(nullptr), 0);
}

TEST(Convert, AddressesNeedSixtyFourBits)
{
    EXPECT_EQ(platform::AtoL64("140737488355328"), 140737488355328LL);
    EXPECT_EQ(platform::AtoL64("0"), 0);
    EXPECT_EQ(platform::AtoL64("junk"), 0);
}

TEST(Convert, FloatsTakeTheLongestPrefix)
{
    EXPECT_DOUBLE_EQ(platform::AtoF("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(platform::AtoF("12,5"), 12.0);
    EXPECT_DOUBLE_EQ(platform::AtoF("  -1e2xyz"), -100.0);
    EXPECT_DOUBLE_EQ(platform::AtoF("x"), 0.0);
}

TEST(Convert, ParseInt32ReportsWhereItStopped)
{
    const char* text = " 10;20";
    const char* end = nullptr;
    EXPECT_EQ(platform::ParseInt32(text, &end), 10);
    EXPECT_EQ(*end, ';');
    EXPECT_EQ(platform::ParseInt32("x", &end), 0);
    EXPECT_EQ(*end, 'x');
}
