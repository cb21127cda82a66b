// CDialog: its controls by id, the focus among them, the default button and the dialog
// keyboard.
#include <cstdint>
#include <cstdio>

#include "ControlState.h"
#include "Dialog.h"
#include "DialogNavigation.h"

namespace {

std::string TextOf(HWND hwnd)
{
    std::string text(std::size_t(GetWindowTextLength(hwnd)), '\0');
    text.resize(std::size_t(GetWindowText(hwnd, text.data(), int(text.size()) + 1)));
    return text;
}

} // namespace

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case DM_GETDEFID: {
        const UINT id = DefaultButtonId();
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: SetDefID(UINT(wParam)); return TRUE;
    case WM_NEXTDLGCTL: {
        HWND to = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), wParam != 0);
        platform::FocusDialogControl(to);
        return 0;
    }
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CDialog::OnSetFocus(CWnd*)
{
    // The dialog hands the focus on to the control that had it last, or to its first tab stop.
    HWND to = m_lastFocus;
    if (!::IsWindow(to) || !::IsChild(m_hWnd, to) || !::IsWindowVisible(to) || !::IsWindowEnabled(to))
        to = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (to && to != m_hWnd)
        ::SetFocus(to);
}

void CDialog::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    if (state == WA_INACTIVE)
        if (HWND focus = ::GetFocus(); focus && ::IsChild(m_hWnd, focus))
            m_lastFocus = focus;
    CWnd::OnActivate(state, other, minimized);
}

// Closing the window is Cancel.
void CDialog::OnClose()
{
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, IDCANCEL)));
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (!msg || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    // A page placed in another dialog leaves the keyboard to that dialog, which reaches into it.
    for (HWND up = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : nullptr; up; up = ::GetParent(up)) {
        if (dynamic_cast<CDialog*>(FromHandlePermanent(up)))
            return FALSE;
        if (!(::GetWindowLongPtr(up, GWL_STYLE) & WS_CHILD))
            break;
    }
    return ::IsDialogMessage(m_hWnd, msg);
}

UINT CDialog::DefaultButtonId() const
{
    if (m_defId)
        return m_defId;
    for (HWND control : platform::DialogControls(m_hWnd))
        if (::SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return UINT(::GetDlgCtrlID(control));
    return 0;
}

void CDialog::SetDefID(UINT id)
{
    HWND old = ::GetDlgItem(m_hWnd, int(DefaultButtonId()));
    if (old && (::SendMessage(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        ::SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    m_defId = id;
    HWND now = ::GetDlgItem(m_hWnd, int(id));
    if (now && (::SendMessage(now, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        ::SendMessage(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

DWORD CDialog::GetDefID() const
{
    const UINT id = DefaultButtonId();
    return id ? DWORD(MAKELONG(id, DC_HASDEFID)) : 0;
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::MapDialogRect(LPRECT rect) const
{
    if (rect)
        *rect = platform::DialogUnitsToPixels(*rect, m_base);
}

void CDialog::SetDlgItemText(int id, LPCTSTR text) { ::SetWindowText(::GetDlgItem(m_hWnd, id), text); }

int CDialog::GetDlgItemText(int id, LPTSTR buffer, int bufferSize) const
{
    return ::GetWindowText(::GetDlgItem(m_hWnd, id), buffer, bufferSize);
}

int CDialog::GetDlgItemText(int id, CString& text) const
{
    HWND control = ::GetDlgItem(m_hWnd, id);
    text = control ? CString(TextOf(control)) : CString();
    return text.GetLength();
}

void CDialog::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, isSigned ? "%d" : "%u", isSigned ? int(value) : value);
    SetDlgItemText(id, buffer);
}

UINT CDialog::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    HWND control = ::GetDlgItem(m_hWnd, id);
    const long long low = isSigned ? INT32_MIN : 0, high = isSigned ? (long long)INT32_MAX : (long long)UINT32_MAX;
    const auto value = control ? platform::ParseWholeNumber(TextOf(control), low, high) : std::nullopt;
    if (translated)
        *translated = value.has_value();
    return value ? UINT(*value) : 0;
}

void CDialog::CheckDlgButton(int id, UINT check) { ::SendMessage(::GetDlgItem(m_hWnd, id), BM_SETCHECK, check, 0); }
UINT CDialog::IsDlgButtonChecked(int id) const { return UINT(::SendMessage(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0)); }

void CDialog::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CDialog::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            return id;
    return 0;
}
