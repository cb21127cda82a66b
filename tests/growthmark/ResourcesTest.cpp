#include <gtest/gtest.h>

#include <cstring>

#include "resources/growthmark/GrowthmarkResources.h"
#include "resources/growthmark/SettingsDialogTemplate.h"

using namespace growthmark::resources;

TEST(GrowthmarkResources, ProductionPicturesAreA32By16SixteenColourBitmap)
{
    const auto bmp = FindBitmap(kProductionModesBitmap);
    ASSERT_TRUE(bmp);
    ASSERT_GT(bmp->size, 54u);
    EXPECT_EQ(std::memcmp(bmp->data, "BM", 2), 0);
    int32_t width = 0, height = 0;
    uint16_t bits = 0;
    std::memcpy(&width, bmp->data + 18, 4);
    std::memcpy(&height, bmp->data + 22, 4);
    std::memcpy(&bits, bmp->data + 28, 2);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(bits, 4);
    EXPECT_FALSE(FindBitmap(140));
}

TEST(GrowthmarkResources, SettingsTemplatesShareTheirLayout)
{
    const platform::DialogTemplate en = SettingsDialogTemplate(DialogLanguage::English);
    const platform::DialogTemplate ru = SettingsDialogTemplate(DialogLanguage::Russian);
    EXPECT_EQ(en.cx, 250);
    EXPECT_EQ(en.cy, 170);
    EXPECT_EQ(en.fontName, "MS Sans Serif");
    ASSERT_EQ(en.items.size(), ru.items.size());
    for (std::size_t i = 0; i < en.items.size(); ++i) {
        EXPECT_EQ(en.items[i].id, ru.items[i].id);
        EXPECT_EQ(en.items[i].x, ru.items[i].x);
        EXPECT_EQ(en.items[i].cy, ru.items[i].cy);
        EXPECT_EQ(en.items[i].style, ru.items[i].style);
    }
    EXPECT_EQ(en.items[0].text, "How many turn calculate:");
    EXPECT_EQ(static_cast<unsigned char>(ru.items[0].text[0]), 0xD1) << "Russian text in code page 1251";
    EXPECT_EQ(en.items[1].id, kTurnCountEdit);
    EXPECT_EQ(en.items[2].id, kTurnCountSpin);
}
