#include "SettingsDialogTemplate.h"

#include "platform/framework/ControlConstants.h"

namespace growthmark::resources {

namespace {

constexpr const char kEnglishLabel[] = "How many turn calculate:";
// "Сколько ходов расчитывать:" in code page 1251.
constexpr const char kRussianLabel[] =
    "\xD1\xEA\xEE\xEB\xFC\xEA\xEE\x20\xF5\xEE\xE4\xEE\xE2\x20\xF0\xE0\xF1\xF7\xE8\xF2\xFB\xE2\xE0\xF2\xFC\x3A";
constexpr const char kCredit[] = "Growth mark 2.02 - 07.2000\nPlanet development projection";

constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;
constexpr DWORD kSpinStyle =
    UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK;

platform::DialogItemTemplate item(const char* className, int id, int x, int y, int cx, int cy, DWORD style,
                                  const char* text)
{
    platform::DialogItemTemplate control;
    control.className = className;
    control.text = text;
    control.id = id;
    control.x = x;
    control.y = y;
    control.cx = cx;
    control.cy = cy;
    control.style = style;
    return control;
}

} // namespace

platform::DialogTemplate SettingsDialogTemplate(DialogLanguage language)
{
    platform::DialogTemplate page;
    page.cx = 250;
    page.cy = 170;
    // A child page without a caption; the host's settings dialog shows and hides it.
    page.style = WS_CHILD | DS_SETFONT;
    page.fontName = "MS Sans Serif";
    page.pointSize = 8;
    const char* label = language == DialogLanguage::Russian ? kRussianLabel : kEnglishLabel;
    page.items = {
        item("Static", platform::kNoControlId, 7, 14, 100, 8, kControl | SS_RIGHT, label),
        item("Edit", kTurnCountEdit, 111, 11, 40, 14, kControl | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ""),
        item("msctls_updown32", kTurnCountSpin, 149, 11, 11, 14, kControl | kSpinStyle, ""),
        item("Static", platform::kNoControlId, 6, 145, 236, 19, kControl | SS_CENTER, kCredit),
    };
    return page;
}

} // namespace growthmark::resources
