#include "SettingsDialogTemplate.h"

namespace growthmark::resources {

namespace {

// Styles as the window system numbers them.
constexpr uint32_t kChild = 0x40000000, kVisible = 0x10000000, kBorder = 0x00800000, kTabStop = 0x00010000;
constexpr uint32_t kSetFont = 0x40;
constexpr uint32_t kStaticRight = 0x2, kStaticCentre = 0x1;
constexpr uint32_t kEditAutoHScroll = 0x80;
// Automatic buddy, aligned right, sets the buddy's integer, arrow keys, no thousands
// separator, hot tracking.
constexpr uint32_t kSpinStyle = 0x10 | 0x4 | 0x2 | 0x20 | 0x80 | 0x100;

constexpr const char kCredit[] = "Growth mark 2.02 - 07.2000\nPlanet development projection";

template <const char* Label>
constexpr ControlTemplate kControls[] = {
    {"STATIC", -1, 7, 14, 100, 8, kChild | kVisible | kStaticRight, Label},
    {"EDIT", kTurnCountEdit, 111, 11, 40, 14, kChild | kVisible | kBorder | kTabStop | kEditAutoHScroll, ""},
    {"msctls_updown32", kTurnCountSpin, 149, 11, 11, 14, kChild | kVisible | kSpinStyle, ""},
    {"STATIC", -1, 6, 145, 236, 19, kChild | kVisible | kStaticCentre, kCredit},
};

constexpr const char kEnglishLabel[] = "How many turn calculate:";
// "Сколько ходов расчитывать:" in code page 1251.
constexpr const char kRussianLabel[] =
    "\xD1\xEA\xEE\xEB\xFC\xEA\xEE\x20\xF5\xEE\xE4\xEE\xE2\x20\xF0\xE0\xF1\xF7\xE8\xF2\xFB\xE2\xE0\xF2\xFC\x3A";

const DialogTemplate kEnglish = {250, 170, kChild | kSetFont, "MS Sans Serif", 8, kControls<kEnglishLabel>};
const DialogTemplate kRussian = {250, 170, kChild | kSetFont, "MS Sans Serif", 8, kControls<kRussianLabel>};

} // namespace

const DialogTemplate& SettingsDialogTemplate(DialogLanguage language)
{
    return language == DialogLanguage::Russian ? kRussian : kEnglish;
}

} // namespace growthmark::resources
