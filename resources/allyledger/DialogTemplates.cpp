#include "DialogTemplates.h"

#include "platform/framework/ControlConstants.h"

namespace allyledger::resources {

namespace {

using platform::DialogItemTemplate;
using platform::kNoControlId;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCheckBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kDropDownList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
// Arrows at the right edge of the edit made just before them, that step its number (written
// without thousands separators) and answer the arrow keys in it.
constexpr DWORD kTurnArrows =
    kChild | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

const char* const kShowChoices[] = {"Never", "Explicit", "Always"};

DialogItemTemplate Label(const char* text, int x, int y, int cx, int cy)
{
    return {"Static", text, kNoControlId, x, y, cx, cy, kLabel};
}

DialogItemTemplate Control(const char* className, const char* text, int id, int x, int y, int cx, int cy, DWORD style)
{
    return {className, text, id, x, y, cx, cy, style};
}

DialogItemTemplate ShowChoiceList(int id, int x, int y, int cx, int cy)
{
    return {"ComboBox", "", id, x, y, cx, cy, kDropDownList, 0, {std::begin(kShowChoices), std::end(kShowChoices)}};
}

} // namespace

platform::DialogTemplate SignTreatyTemplate()
{
    using namespace sign;
    platform::DialogTemplate dialog;
    dialog.caption = "Sign treaty";
    dialog.cx = 177;
    dialog.cy = 129;
    dialog.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION;
    dialog.items = {
        Control("Button", "OK", IDOK, 29, 108, 50, 14, kDefaultButton),
        Control("Button", "Cancel", IDCANCEL, 98, 108, 50, 14, kPushButton),
        Label("With", 7, 7, 16, 12),
        Control("ComboBox", "", kRace, 25, 7, 145, 61, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT),
        Label("From turn", 7, 26, 32, 12),
        Control("Edit", "", kFrom, 41, 26, 28, 12, kEdit | ES_NUMBER),
        Control("msctls_updown32", "", kFromSpin, 69, 26, 11, 12, kTurnArrows),
        Label("till the turn", 71, 26, 33, 12),
        Control("Edit", "", kTill, 106, 26, 28, 12, kEdit | ES_NUMBER),
        Control("msctls_updown32", "", kTillSpin, 137, 26, 11, 12, kTurnArrows),
        Label("(inclusive)", 136, 26, 34, 12),
        Control("ListBox", "", kConditions, 7, 58, 163, 43,
                kChild | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL),
        Label("Additional conditions:", 7, 45, 68, 10),
        Control("Button", "Add", kAdd, 148, 45, 22, 10, kPushButton),
    };
    return dialog;
}

platform::DialogTemplate NewConditionTemplate()
{
    using namespace newcondition;
    platform::DialogTemplate dialog;
    dialog.caption = "New condition";
    dialog.cx = 227;
    dialog.cy = 47;
    dialog.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        Control("Button", "OK", IDOK, 109, 26, 50, 14, kDefaultButton),
        Control("Button", "Cancel", IDCANCEL, 170, 26, 50, 14, kPushButton),
        Label("Main text", 7, 7, 44, 12),
        Control("Edit", "", kMainText, 51, 7, 169, 12, kEdit | ES_AUTOHSCROLL),
        Label("Abbreviation", 7, 26, 44, 12),
        Control("Edit", "", kAbbreviation, 51, 26, 40, 12, kEdit | ES_AUTOHSCROLL | ES_UPPERCASE),
    };
    return dialog;
}

platform::DialogTemplate SettingsPageTemplate()
{
    using namespace settings;
    platform::DialogTemplate page;
    page.cx = 207;
    page.cy = 151;
    // A child page without a caption; the host's settings window shows and hides it.
    page.style = WS_CHILD | DS_SETFONT;
    page.items = {
        Label("Default pact length", 7, 7, 61, 12),
        Control("Edit", "", kDefLen, 69, 7, 23, 12, kEdit | ES_NUMBER),
        Control("msctls_updown32", "", kDefLenSpin, 127, 7, 11, 12, kTurnArrows),
        Label("turns", 96, 7, 18, 12),
        Label("Expiry warning threshold", 7, 26, 77, 12),
        Control("Edit", "", kExpThr, 86, 26, 23, 12, kEdit | ES_NUMBER),
        Control("msctls_updown32", "", kExpThrSpin, 127, 26, 11, 12, kTurnArrows),
        Label("turns", 111, 26, 16, 12),
        Control("Button", "Warn me when report loaded", kWarnOnReport, 28, 38, 105, 12, kCheckBox),
        Control("Button", "Warn me when game loaded", kWarnOnGame, 28, 50, 109, 12, kCheckBox),
        Label("Show conditions", 7, 67, 56, 12),
        ShowChoiceList(kShowInfo, 63, 67, 49, 48),
        Label("Show all pacts", 7, 86, 56, 12),
        ShowChoiceList(kShowAll, 63, 86, 49, 46),
        Control("Button", "Declare peace when signing pact", kDeclarePeace, 7, 105, 132, 12, kCheckBox),
        Control("Button", "Declare war when breaking pact", kDeclareWar, 7, 117, 131, 12, kCheckBox),
        Control("Button", "Delete expired pacts", kDeleteExpired, 7, 132, 80, 12, kCheckBox),
        Control("Button", "Use column", kNoControlId, 144, 7, 56, 67, kGroupBox),
        Control("Button", "Status", kStatusColumn, 150, 19, 44, 10, kRadio | WS_GROUP | WS_TABSTOP),
        Control("Button", "Custom1", kStatusColumn + 1, 150, 31, 44, 10, kRadio),
        Control("Button", "Custom2", kStatusColumn + 2, 150, 43, 44, 10, kRadio),
        Control("Button", "Custom3", kStatusColumnLast, 150, 55, 44, 10, kRadio),
        Control("Button", "Info column", kNoControlId, 144, 79, 56, 53, kGroupBox),
        Control("Button", "Custom1", kInfoColumn, 150, 91, 44, 10, kRadio | WS_GROUP | WS_TABSTOP),
        Control("Button", "Custom2", kInfoColumn + 1, 150, 103, 44, 10, kRadio),
        Control("Button", "Custom3", kInfoColumnLast, 150, 115, 44, 10, kRadio),
    };
    return page;
}

} // namespace allyledger::resources
