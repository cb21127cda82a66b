// Support of the dialog and control tests: a fresh window system for every test, a window that
// writes down the notifications of its controls, and a treaty-options dialog with one control of
// every kind.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/Automation.h"
#include "platform/framework/ControlActions.h"
#include "platform/framework/Dialogs.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

namespace dialogtest {

class DialogFixture : public ::testing::Test {
public:
    platform::Automation& driver = platform::Automation::Instance();

protected:
    void SetUp() override { platform::Automation::Instance().Reset(); }
    void TearDown() override { platform::Automation::Instance().Reset(); }
};

// A top-level window that keeps the notifications of its children: "id code" for WM_COMMAND,
// and the records of WM_NOTIFY.
class NotificationSink : public CWnd {
public:
    HWND Make(CRect rect = CRect(100, 100, 500, 400))
    {
        CreateEx(0, nullptr, "sink", WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(), rect.Height(), nullptr, nullptr);
        return m_hWnd;
    }
    std::vector<std::pair<int, UINT>> commands;
    std::vector<NMTREEVIEW> treeNotifications;
    std::vector<std::pair<UINT, UINT>> scrolls; // code, position
    int Count(int id, UINT code) const
    {
        int n = 0;
        for (const auto& [i, c] : commands)
            n += i == id && c == code;
        return n;
    }

protected:
    void OnVScroll(UINT code, UINT pos, CScrollBar*) override { scrolls.emplace_back(code, pos); }
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TVN_SELCHANGED || header->code == TVN_SELCHANGING || header->code == TVN_DELETEITEM)
            treeNotifications.push_back(*reinterpret_cast<const NMTREEVIEW*>(lParam));
        *result = 0;
        return TRUE;
    }
};

enum TreatyControl {
    kRace = 8001,
    kFromSpin = 8002,
    kFrom = 8003,
    kTill = 8004,
    kTillSpin = 8005,
    kWarn = 8006,
    kPeace = 8007,
    kStatus = 8014,
    kCustom1 = 8015,
    kCustom2 = 8016,
    kCustom3 = 8017,
    kConditions = 8020,
    kAdd = 8024,
    kShowAll = 8025,
};

inline platform::DialogTemplate TreatyOptionsTemplate()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD spin = UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    constexpr DWORD radio = child | BS_AUTORADIOBUTTON;
    platform::DialogTemplate t;
    t.caption = "Treaty options";
    t.cx = 260;
    t.cy = 150;
    t.style = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.items = {
        {"Static", "With", -1, 7, 9, 30, 8, child},
        {"ComboBox", "", kRace, 40, 7, 100, 60, child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT},
        {"Static", "From turn", -1, 7, 27, 32, 8, child},
        {"Edit", "", kFrom, 40, 25, 30, 12, child | WS_BORDER | WS_TABSTOP | ES_NUMBER},
        {"msctls_updown32", "", kFromSpin, 69, 25, 11, 12, child | spin},
        {"Static", "till the turn", -1, 74, 27, 40, 8, child},
        {"Edit", "", kTill, 118, 25, 30, 12, child | WS_BORDER | WS_TABSTOP | ES_NUMBER},
        {"msctls_updown32", "", kTillSpin, 147, 25, 11, 12, child | spin},
        {"Button", "Warn me when report loaded", kWarn, 7, 43, 130, 10, child | WS_TABSTOP | BS_AUTOCHECKBOX},
        {"Button", "Declare peace when signing", kPeace, 7, 55, 130, 10, child | WS_TABSTOP | BS_AUTOCHECKBOX},
        {"Static", "Show all pacts", -1, 7, 73, 50, 8, child},
        {"ComboBox", "", kShowAll, 60, 71, 60, 50, child | WS_TABSTOP | CBS_DROPDOWNLIST, 0, {"Never", "Explicit", "Always"}},
        {"Button", "Use column", -1, 165, 7, 88, 64, child | BS_GROUPBOX},
        {"Button", "Status", kStatus, 172, 19, 70, 10, radio | WS_GROUP | WS_TABSTOP},
        {"Button", "Custom1", kCustom1, 172, 31, 70, 10, radio},
        {"Button", "Custom2", kCustom2, 172, 43, 70, 10, radio},
        {"Button", "Custom3", kCustom3, 172, 55, 70, 10, radio},
        {"Static", "Additional conditions:", -1, 7, 89, 80, 8, child | WS_GROUP},
        {"Button", "Add", kAdd, 118, 87, 30, 11, child | WS_TABSTOP},
        {"ListBox", "", kConditions, 7, 100, 141, 42,
         child | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL},
        {"Button", "OK", IDOK, 146, 128, 50, 14, child | WS_TABSTOP | BS_DEFPUSHBUTTON | WS_GROUP},
        {"Button", "Cancel", IDCANCEL, 203, 128, 50, 14, child | WS_TABSTOP},
    };
    return t;
}

// A dialog that exchanges one value of every kind, with the checks the plug-ins ask for: the
// first turn a number from 5 to 50, the last turn any text.
class TreatyOptionsDialog : public CDialog {
public:
    TreatyOptionsDialog() : CDialog(TreatyOptionsTemplate()) { BindCommand(kAdd, BN_CLICKED, &TreatyOptionsDialog::OnAdd); }

    CString race;
    UINT firstTurn = 10;
    CString lastTurn = "20";
    int warn = 1;
    int peace = 0;
    int column = 0;
    int showAll = 1;
    std::vector<std::string> ticked{"Trade"};
    int addClicks = 0;
    CCheckListBox conditions;

protected:
    BOOL OnInitDialog() override
    {
        auto* races = static_cast<CComboBox*>(GetDlgItem(kRace));
        for (const char* name : {"Vega", "Antares", "Sirius", "Altair"})
            races->AddString(name);
        platform::SubclassControl(conditions, ::GetDlgItem(m_hWnd, kConditions));
        conditions.SetCheckStyle(BS_AUTOCHECKBOX);
        for (const char* condition : {"Trade", "Non-aggression", "Passage", "Research"})
            conditions.AddString(condition);
        static_cast<CSpinButtonCtrl*>(GetDlgItem(kFromSpin))->SetRange32(0, 50);
        static_cast<CSpinButtonCtrl*>(GetDlgItem(kTillSpin))->SetRange32(0, 999);
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kConditions, conditions);
        DDX_CBString(pDX, kRace, race);
        DDX_Text(pDX, kFrom, firstTurn);
        DDV_MinMaxUInt(pDX, firstTurn, 5, 50);
        DDX_Text(pDX, kTill, lastTurn);
        DDX_Check(pDX, kWarn, warn);
        DDX_Check(pDX, kPeace, peace);
        DDX_Radio(pDX, kStatus, column);
        DDX_CBIndex(pDX, kShowAll, showAll);
        if (pDX->m_bSaveAndValidate)
            ticked.clear();
        for (int i = 0; i < conditions.GetCount(); ++i) {
            CString text;
            conditions.GetText(i, text);
            if (pDX->m_bSaveAndValidate && conditions.GetCheck(i) == BST_CHECKED)
                ticked.push_back(text.str());
            if (!pDX->m_bSaveAndValidate)
                conditions.SetCheck(i, std::count(ticked.begin(), ticked.end(), text.str()) ? BST_CHECKED : BST_UNCHECKED);
        }
    }

    void OnAdd() { ++addClicks; }
};

} // namespace dialogtest
