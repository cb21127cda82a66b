#include "DataExchange.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "../win/EventLog.h"
#include "ControlConstants.h"
#include "ControlState.h"
#include "DialogNavigation.h"
#include "MessageBox.h"

IMPLEMENT_DYNAMIC(CUserException, CObject)

CUserException::~CUserException() = default;

namespace {

std::string TextOf(HWND hwnd)
{
    std::string text(std::size_t(GetWindowTextLength(hwnd)), '\0');
    text.resize(std::size_t(GetWindowText(hwnd, text.data(), int(text.size()) + 1)));
    return text;
}

// Setting a control's text tells its parent of a change; an unchanged text is left alone.
void SetTextIfChanged(HWND hwnd, const char* text)
{
    if (TextOf(hwnd) != text)
        SetWindowText(hwnd, text);
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> ParseReal(const std::string& raw)
{
    const std::string text = Trimmed(raw);
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Stores a value into a member so that a failing check of it can take it back.
template <class T, class V>
void Store(CDataExchange* pDX, T& member, V&& value)
{
    pDX->m_undoLastStore = [&member, old = member] { member = old; };
    member = std::forward<V>(value);
}

[[noreturn]] void FailWith(CDataExchange* pDX, const char* prompt)
{
    AfxMessageBox(prompt, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

} // namespace

namespace platform {

std::optional<long long> ParseWholeNumber(const std::string& raw, long long low, long long high)
{
    const std::string text = Trimmed(raw);
    const BOOL negative = !text.empty() && text[0] == '-';
    std::size_t i = !text.empty() && (negative || text[0] == '+') ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        // Beyond every 32-bit bound already; stopping here keeps the sum from overflowing.
        if (value > (1LL << 33))
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace platform

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND hwnd = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!hwnd) {
        platform::EventLog::Instance().Add("data exchange: no control " + std::to_string(id));
        Fail();
    }
    m_hWndLastControl = hwnd;
    m_bEditLastControl = FALSE;
    m_undoLastStore = nullptr;
    return hwnd;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND hwnd = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return hwnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_undoLastStore)
        m_undoLastStore();
    m_undoLastStore = nullptr;
    if (m_bSaveAndValidate && IsWindow(m_hWndLastControl)) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    HWND hwnd = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
        Store(pDX, value, CString(TextOf(hwnd)));
    else
        SetTextIfChanged(hwnd, value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    HWND hwnd = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, std::to_string(value).c_str());
        return;
    }
    const auto parsed = platform::ParseWholeNumber(TextOf(hwnd), INT_MIN, INT_MAX);
    if (!parsed)
        FailWith(pDX, platform::kPromptParseInt);
    Store(pDX, value, int(*parsed));
}

void DDX_Text(CDataExchange* pDX, int id, UINT& value)
{
    HWND hwnd = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, std::to_string(value).c_str());
        return;
    }
    const auto parsed = platform::ParseWholeNumber(TextOf(hwnd), 0, UINT_MAX);
    if (!parsed)
        FailWith(pDX, platform::kPromptParseUInt);
    Store(pDX, value, UINT(*parsed));
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    HWND hwnd = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*g", DBL_DIG, value);
        SetTextIfChanged(hwnd, buffer);
        return;
    }
    const auto parsed = ParseReal(TextOf(hwnd));
    if (!parsed)
        FailWith(pDX, platform::kPromptParseReal);
    Store(pDX, value, *parsed);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        Store(pDX, value, int(SendMessage(hwnd, BM_GETCHECK, 0, 0)));
    else
        SendMessage(hwnd, BM_SETCHECK, WPARAM(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    HWND first = pDX->PrepareCtrl(id);
    int checked = -1, index = 0;
    // The group that starts at the control, up to the next control that starts a group.
    const std::vector<HWND> group = platform::ControlGroup(first);
    for (auto it = std::find(group.begin(), group.end(), first); it != group.end(); ++it) {
        // Other controls in the group (a label, a group box) are passed over without counting.
        if (!(SendMessage(*it, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate && SendMessage(*it, BM_GETCHECK, 0, 0) == BST_CHECKED)
            checked = index;
        else if (!pDX->m_bSaveAndValidate)
            SendMessage(*it, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        ++index;
    }
    if (pDX->m_bSaveAndValidate)
        Store(pDX, value, checked);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        Store(pDX, index, int(SendMessage(hwnd, CB_GETCURSEL, 0, 0)));
    else
        SendMessage(hwnd, CB_SETCURSEL, WPARAM(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        Store(pDX, value, CString(TextOf(hwnd)));
        return;
    }
    if (SendMessage(hwnd, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR)
        SetTextIfChanged(hwnd, value);
}

void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        Store(pDX, value, CString(TextOf(hwnd)));
        return;
    }
    const LRESULT found = SendMessage(hwnd, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString()));
    if (found == CB_ERR)
        SetTextIfChanged(hwnd, value);
    else
        SendMessage(hwnd, CB_SETCURSEL, WPARAM(found), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int id, int& index)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        Store(pDX, index, int(SendMessage(hwnd, LB_GETCURSEL, 0, 0)));
    else
        SendMessage(hwnd, LB_SETCURSEL, WPARAM(index), 0);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND hwnd = pDX->PrepareCtrl(id);
    if (!platform::SubclassControl(control, hwnd)) {
        platform::EventLog::Instance().Add("data exchange: control " + std::to_string(id) + " has an object already");
        pDX->Fail();
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue)
{
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString prompt;
    prompt.Format(platform::kPromptIntRange, minValue, maxValue);
    FailWith(pDX, prompt);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue)
{
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString prompt;
    prompt.Format(platform::kPromptUIntRange, minValue, maxValue);
    FailWith(pDX, prompt);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_bEditLastControl && IsWindow(pDX->m_hWndLastControl))
            SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, WPARAM(maxChars), 0);
        return;
    }
    if (value.GetLength() <= maxChars)
        return;
    CString prompt;
    prompt.Format(platform::kPromptMaxChars, maxChars);
    FailWith(pDX, prompt);
}
