// Dialog data exchange: moving values between a dialog's members and its controls (DDX_), in
// either direction, and checking them on the way in (DDV_, right after the DDX_ of the value it
// checks). A failed conversion or check shows the standard message, puts the focus back on the
// control and ends the exchange, which CDialog::UpdateData then reports as FALSE. A value that
// its check refuses does not stay in the member: the member gets back what it held.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "../core/String.h"
#include "../win/Wnd.h"

// What CDataExchange::Fail throws to end an exchange; CDialog::UpdateData catches it.
class PLATFORM_API CUserException : public CObject {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
    CUserException(const CUserException&) : CObject() {}
    ~CUserException() override;
};

class PLATFORM_API CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    // TRUE: from the controls into the members, checking; FALSE: from the members into the controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control that a failure puts the focus back on.
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
    // Gives the member that the last DDX_ routine stored into its previous value.
    std::function<void()> m_undoLastStore;

    // The control's window, remembered as the one to return to; a missing control fails the
    // exchange.
    HWND PrepareCtrl(int id);
    // The same for an edit, whose text a failure also selects.
    HWND PrepareEditCtrl(int id);
    // Puts the focus back on the last control and takes back its member's new value (when
    // storing), and ends the exchange.
    [[noreturn]] void Fail();
};

PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Numbers: a text that is not one shows "Please enter an integer." (int), "Please enter a
// positive integer." (UINT) or "Please enter a number." (double) and fails.
PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, int& value);
PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, UINT& value);
PLATFORM_API void DDX_Text(CDataExchange* pDX, int id, double& value);
// A check box: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
PLATFORM_API void DDX_Check(CDataExchange* pDX, int id, int& value);
// The radio buttons of the group that starts at the control (which has WS_GROUP): the index of
// the checked one, -1 for none.
PLATFORM_API void DDX_Radio(CDataExchange* pDX, int id, int& value);
// A combo box's selected index (-1 for none).
PLATFORM_API void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// A combo box's field: storing takes its text; loading selects the first item that begins with
// the text (without regard to case) or, when none does, puts the text into the edit field.
PLATFORM_API void DDX_CBString(CDataExchange* pDX, int id, CString& value);
// As DDX_CBString, but loading selects only an item equal to the text.
PLATFORM_API void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value);
// A list box's selected index (-1 for none).
PLATFORM_API void DDX_LBIndex(CDataExchange* pDX, int id, int& index);
// Gives the control's window the object (once; later calls do nothing).
PLATFORM_API void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// Checks when storing; "Please enter an integer between %d and %d." on failure.
PLATFORM_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
PLATFORM_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue);
// Checks the length when storing; when loading into an edit, limits the edit to it.
PLATFORM_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);

namespace platform {

// The standard texts of the data exchange.
inline constexpr const char kPromptParseInt[] = "Please enter an integer.";
inline constexpr const char kPromptParseUInt[] = "Please enter a positive integer.";
inline constexpr const char kPromptParseReal[] = "Please enter a number.";
inline constexpr const char kPromptIntRange[] = "Please enter an integer between %d and %d.";
inline constexpr const char kPromptUIntRange[] = "Please enter an integer between %u and %u.";
inline constexpr const char kPromptMaxChars[] = "Please enter no more than %d characters.";

// A whole number: an optional sign and digits, with nothing but spaces around them, within the
// bounds. Unlike the C library's conversions it refuses, rather than wraps or saturates, what
// does not fit.
PLATFORM_API std::optional<long long> ParseWholeNumber(const std::string& text, long long low, long long high);

} // namespace platform
