#include <gtest/gtest.h>

#include "growthmark/TurnCountSetting.h"

using namespace growthmark;

TEST(TurnCountField, AcceptsUnsignedNumbersFromFiveToFifty)
{
    struct Case {
        const char* text;
        FieldCheck check;
        unsigned value;
    } cases[] = {
        {"7", FieldCheck::Accepted, 7},       {"5", FieldCheck::Accepted, 5},
        {"50", FieldCheck::Accepted, 50},     {" 25 ", FieldCheck::Accepted, 25},
        {"4", FieldCheck::OutOfRange, 4},     {"51", FieldCheck::OutOfRange, 51},
        {"0", FieldCheck::OutOfRange, 0},     {"-7", FieldCheck::NotUnsigned, 0},
        {"+7", FieldCheck::NotUnsigned, 0},   {"", FieldCheck::NotUnsigned, 0},
        {"7x", FieldCheck::NotUnsigned, 0},   {"ten", FieldCheck::NotUnsigned, 0},
        {"99999999999", FieldCheck::NotUnsigned, 0},
    };
    for (const auto& c : cases) {
        const FieldResult result = CheckTurnCountField(c.text);
        EXPECT_EQ(result.check, c.check) << '"' << c.text << '"';
        if (c.check != FieldCheck::NotUnsigned) {
            EXPECT_EQ(result.value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(TurnCountField, PageLanguageFollowsTheMessagesLocale)
{
    struct Case {
        const char *all, *messages, *lang;
        PageLanguage language;
    } cases[] = {
        {nullptr, nullptr, nullptr, PageLanguage::English},
        {nullptr, nullptr, "ru_RU.CP1251", PageLanguage::Russian},
        {nullptr, "en_GB.UTF-8", "ru_RU.UTF-8", PageLanguage::English},
        {"", "ru_RU", "en_US", PageLanguage::Russian},
        {"C", "ru_RU", "ru_RU", PageLanguage::English},
        {nullptr, nullptr, "rus", PageLanguage::Russian},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageLanguageFromEnvironment(c.all, c.messages, c.lang), c.language);
}
