// The combo box: its items and selection, the field with its edit, focus and keys, the
// dropped list's opening and closing, and painting.
#include "ComboBoxControl.h"

#include <algorithm>
#include <cstring>

#include "../gdi/SysColors.h"
#include "ControlDrawing.h"
#include "EditControl.h"

namespace platform {

int ComboBoxControl::ItemHeight() const { return TextMeasure(Font()).LineHeight() + 2; }
int ComboBoxControl::FieldHeight() const { return ItemHeight() + 6; }

int ComboBoxControl::WindowWidth() const
{
    CRect window;
    GetWindowRect(m_hwnd, &window);
    return window.Width();
}

LRESULT ComboBoxControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleItemMessage(message, wParam, lParam, result) || HandleSelectionMessage(message, wParam, lParam, result) ||
        HandleFocusAndInput(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CREATE:
        result = Default(message, wParam, lParam);
        OnCreate(reinterpret_cast<const CREATESTRUCT*>(lParam));
        return result;
    case WM_DESTROY:
        CloseDropDown(FALSE);
        return Default(message, wParam, lParam);
    case WM_SETFONT:
        if (HasEdit())
            SendMessage(m_edit, WM_SETFONT, wParam, lParam);
        SetWindowPos(m_hwnd, nullptr, 0, 0, WindowWidth(), FieldHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    case WM_SIZE:
        Layout();
        return Default(message, wParam, lParam);
    case WM_SETTEXT: return SetText(reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT: return GetText(wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(FieldText().size());
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
        if (HasEdit())
            EnableWindow(m_edit, BOOL(wParam));
        Redraw();
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (IsWindow(m_dropList) ? DLGC_WANTALLKEYS : 0);
    default: return Default(message, wParam, lParam);
    }
}

BOOL ComboBoxControl::HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const int index = int(wParam);
    const char* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const int at = message == CB_ADDSTRING || index == -1 ? m_items.Add(text ? text : "", message == CB_ADDSTRING && (Style() & CBS_SORT))
                                                             : m_items.Insert(index, text ? text : "");
        if (at >= 0 && m_selection >= at)
            ++m_selection;
        result = at >= 0 ? at : CB_ERR;
        return TRUE;
    }
    case CB_DELETESTRING:
        if (!m_items.Remove(index)) {
            result = CB_ERR;
            return TRUE;
        }
        if (m_selection == index)
            m_selection = -1;
        else if (m_selection > index)
            --m_selection;
        result = m_items.Count();
        Redraw();
        return TRUE;
    case CB_RESETCONTENT:
        m_items.Clear();
        m_selection = m_hot = -1;
        ShowText("");
        return TRUE;
    case CB_GETCOUNT: result = m_items.Count(); return TRUE;
    case CB_GETLBTEXT: result = CopyText(index, reinterpret_cast<char*>(lParam)); return TRUE;
    case CB_GETLBTEXTLEN: result = m_items.Valid(index) ? LRESULT(m_items.At(index).text.size()) : CB_ERR; return TRUE;
    case CB_GETITEMDATA: result = m_items.Valid(index) ? m_items.At(index).data : CB_ERR; return TRUE;
    case CB_SETITEMDATA:
        if (m_items.Valid(index))
            m_items.At(index).data = lParam;
        result = m_items.Valid(index) ? CB_OKAY : CB_ERR;
        return TRUE;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT: result = m_items.Find(index, text ? text : "", message == CB_FINDSTRINGEXACT); return TRUE;
    case CB_GETITEMHEIGHT: result = ItemHeight(); return TRUE;
    default: return FALSE;
    }
}

BOOL ComboBoxControl::HandleSelectionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const int index = int(wParam);
    switch (message) {
    case CB_SETCURSEL: result = SetSelection(index) && index >= 0 ? index : CB_ERR; return TRUE;
    case CB_GETCURSEL: result = m_selection; return TRUE;
    case CB_SELECTSTRING: {
        const int found = m_items.Find(index, lParam ? reinterpret_cast<const char*>(lParam) : "", FALSE);
        result = found >= 0 && SetSelection(found) ? found : CB_ERR;
        return TRUE;
    }
    case CB_SHOWDROPDOWN: ShowDropDown(BOOL(wParam)); result = TRUE; return TRUE;
    case CB_GETDROPPEDSTATE: result = IsWindow(m_dropList); return TRUE;
    case CB_GETDROPPEDCONTROLRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = DroppedRectOnScreen();
        result = TRUE;
        return TRUE;
    case CB_LIMITTEXT:
        if (HasEdit())
            SendMessage(m_edit, EM_LIMITTEXT, wParam, 0);
        result = HasEdit() ? TRUE : CB_ERR;
        return TRUE;
    case CB_GETEDITSEL: result = HasEdit() ? SendMessage(m_edit, EM_GETSEL, wParam, lParam) : CB_ERR; return TRUE;
    case CB_SETEDITSEL:
        if (HasEdit())
            SendMessage(m_edit, EM_SETSEL, WPARAM(short(LOWORD(lParam))), short(HIWORD(lParam)));
        result = HasEdit() ? TRUE : CB_ERR;
        return TRUE;
    case kUserPickItem:
        if (!IsWindow(m_dropList)) {
            SelectByUser(index);
            return TRUE;
        }
        SetHotItem(index);
        CloseDropDown(TRUE);
        return TRUE;
    default: return FALSE;
    }
}

BOOL ComboBoxControl::HandleFocusAndInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SETFOCUS:
        if (HasEdit()) {
            // The field's edit holds the focus for the combo box, with its text selected.
            SetFocus(m_edit);
            SendMessage(m_edit, EM_SETSEL, 0, -1);
        } else {
            m_focusWithin = TRUE;
            Redraw();
            NotifyParent(CBN_SETFOCUS);
        }
        return TRUE;
    case WM_KILLFOCUS:
        if (HasEdit() || reinterpret_cast<HWND>(wParam) == m_edit)
            return TRUE;
        CloseDropDown(FALSE);
        m_focusWithin = FALSE;
        Redraw();
        NotifyParent(CBN_KILLFOCUS);
        return TRUE;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == m_edit && HasEdit())
            OnEditNotification(HIWORD(wParam));
        return TRUE;
    case WM_LBUTTONDOWN: {
        const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (GetFocus() != m_hwnd && GetFocus() != m_edit)
            SetFocus(m_hwnd);
        if (!HasEdit() || ButtonRect().PtInRect(point))
            ShowDropDown(!IsWindow(m_dropList));
        return TRUE;
    }
    case WM_KEYDOWN: OnKey(UINT(wParam)); return TRUE;
    case WM_CHAR: {
        const char typed[2] = {char(wParam), '\0'};
        const int found = wParam > ' ' && !HasEdit() ? m_items.Find(m_selection, typed, FALSE) : -1;
        if (found >= 0)
            SelectByUser(found);
        return TRUE;
    }
    case kPartnerKey: result = OnKey(UINT(wParam)); return TRUE;
    case kPartnerWantsAllKeys: result = IsWindow(m_dropList); return TRUE;
    default: return FALSE;
    }
}

void ComboBoxControl::OnCreate(const CREATESTRUCT* cs)
{
    m_droppedHeight = cs ? cs->cy : 0;
    // Scroll-bar styles are meant for the dropped list, not for the field.
    SetWindowLongPtr(m_hwnd, GWL_STYLE, LONG_PTR(Style() & ~DWORD(WS_VSCROLL | WS_HSCROLL)));
    if (Kind() != CBS_DROPDOWNLIST) {
        DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
        if (Style() & CBS_UPPERCASE)
            style |= ES_UPPERCASE;
        if (Style() & CBS_LOWERCASE)
            style |= ES_LOWERCASE;
        m_edit = CreateWindowEx(0, "Edit", "", style, 0, 0, 0, 0, m_hwnd, reinterpret_cast<HMENU>(uintptr_t(kEditId)),
                                nullptr, nullptr);
        SendMessage(m_edit, kSetKeyPartner, reinterpret_cast<WPARAM>(m_hwnd), 0);
    }
    SetWindowPos(m_hwnd, nullptr, 0, 0, cs ? cs->cx : 0, FieldHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Layout();
}

void ComboBoxControl::OnEditNotification(UINT code)
{
    switch (code) {
    case EN_SETFOCUS:
        if (!m_focusWithin) {
            m_focusWithin = TRUE;
            NotifyParent(CBN_SETFOCUS);
        }
        return;
    case EN_KILLFOCUS: {
        HWND to = GetFocus();
        if (to == m_hwnd || to == m_edit || (to && to == m_dropList))
            return;
        CloseDropDown(FALSE);
        m_focusWithin = FALSE;
        NotifyParent(CBN_KILLFOCUS);
        return;
    }
    case EN_CHANGE: {
        const std::string text = FieldText();
        Default(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (m_settingText)
            return;
        NotifyParent(CBN_EDITUPDATE);
        if (Alive())
            NotifyParent(CBN_EDITCHANGE);
        return;
    }
    default: return;
    }
}

LRESULT ComboBoxControl::CopyText(int index, char* buffer) const
{
    if (!m_items.Valid(index) || !buffer)
        return CB_ERR;
    const std::string& text = m_items.At(index).text;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return LRESULT(text.size());
}

// The field's text: what the edit holds, or the selected item of a drop-down list.
std::string ComboBoxControl::FieldText() const
{
    if (HasEdit()) {
        const auto* edit = FindControlState<EditControl>(m_edit);
        return edit ? edit->Buffer().Text() : std::string();
    }
    return m_items.Valid(m_selection) ? m_items.At(m_selection).text : std::string();
}

LRESULT ComboBoxControl::GetText(WPARAM size, char* buffer) const
{
    if (!buffer || size == 0)
        return 0;
    const std::string text = FieldText();
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return LRESULT(n);
}

LRESULT ComboBoxControl::SetText(const char* text)
{
    if (HasEdit()) {
        ShowText(text ? text : "");
        return TRUE;
    }
    // A drop-down list shows only its items: the text selects the item that has it.
    const int found = m_items.Find(-1, text ? text : "", TRUE);
    if (found < 0)
        return CB_ERR;
    SetSelection(found);
    return TRUE;
}

void ComboBoxControl::ShowText(const std::string& text)
{
    if (HasEdit()) {
        m_settingText = TRUE;
        SetWindowText(m_edit, text.c_str());
        m_settingText = FALSE;
    }
    Default(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FieldText().c_str()));
    Redraw();
}

BOOL ComboBoxControl::SetSelection(int index)
{
    if (index != -1 && !m_items.Valid(index))
        return FALSE;
    m_selection = index;
    m_hot = index;
    ShowText(index >= 0 ? m_items.At(index).text : std::string());
    if (HasEdit() && GetFocus() == m_edit)
        SendMessage(m_edit, EM_SETSEL, 0, -1);
    return TRUE;
}

void ComboBoxControl::SelectByUser(int index)
{
    if (!m_items.Valid(index) || index == m_selection)
        return;
    SetSelection(index);
    NotifyParent(CBN_SELCHANGE);
}

void ComboBoxControl::SetHotItem(int index)
{
    if (index == m_hot || (index != -1 && !m_items.Valid(index)))
        return;
    m_hot = index;
    if (IsWindow(m_dropList))
        InvalidateRect(m_dropList, nullptr, TRUE);
}

BOOL ComboBoxControl::OnKey(UINT key)
{
    const BOOL dropped = IsWindow(m_dropList);
    const int last = m_items.Count() - 1;
    const int from = dropped ? m_hot : m_selection;
    int to = -1;
    switch (key) {
    case VK_F4: ShowDropDown(!dropped); return TRUE;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!dropped)
            return FALSE;
        CloseDropDown(key == VK_RETURN);
        return TRUE;
    case VK_UP: to = std::max(0, from - 1); break;
    case VK_DOWN:
        if (GetKeyState(VK_MENU) < 0) {
            ShowDropDown(!dropped);
            return TRUE;
        }
        to = std::min(last, from + 1);
        break;
    case VK_PRIOR: to = 0; break;
    case VK_NEXT: to = last; break;
    case VK_HOME:
    case VK_END:
        if (HasEdit())
            return FALSE;
        to = key == VK_HOME ? 0 : last;
        break;
    default: return FALSE;
    }
    if (dropped)
        SetHotItem(to);
    else
        SelectByUser(to);
    return TRUE;
}

CRect ComboBoxControl::DroppedRectOnScreen() const
{
    CRect field;
    GetWindowRect(m_hwnd, &field);
    const int rows = std::max(1, (m_droppedHeight - field.Height()) / std::max(1, ItemHeight()));
    const int shown = std::clamp(m_items.Count(), 1, rows);
    return CRect(field.left, field.bottom, field.right, field.bottom + shown * ItemHeight() + 2);
}

void ComboBoxControl::ShowDropDown(BOOL show)
{
    if (!show) {
        CloseDropDown(FALSE);
        return;
    }
    if (IsWindow(m_dropList) || !Enabled())
        return;
    NotifyParent(CBN_DROPDOWN);
    if (!Alive())
        return;
    m_hot = m_selection;
    const CRect rect = DroppedRectOnScreen();
    HWND owner = TopLevelWindowOf(m_hwnd);
    m_dropList = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "ComboLBox", "", WS_POPUP | WS_BORDER, rect.left, rect.top,
                                rect.Width(), rect.Height(), owner, nullptr, nullptr, reinterpret_cast<LPVOID>(m_hwnd));
    if (!m_dropList)
        return;
    SendMessage(m_dropList, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), 0);
    ShowWindow(m_dropList, SW_SHOWNA);
    SetCapture(m_dropList);
    Redraw();
}

void ComboBoxControl::CloseDropDown(BOOL accept)
{
    HWND list = m_dropList;
    if (!IsWindow(list))
        return;
    m_dropList = nullptr;
    if (GetCapture() == list)
        ReleaseCapture();
    DestroyWindow(list);
    if (!Alive())
        return;
    if (accept)
        SelectByUser(m_hot);
    Redraw();
    NotifyParent(CBN_CLOSEUP);
    if (Alive())
        NotifyParent(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
}

CRect ComboBoxControl::ButtonRect() const
{
    const CRect client = ClientRect();
    return CRect(client.right - 2 - GetSystemMetrics(SM_CXVSCROLL), 2, client.right - 2, client.bottom - 2);
}

void ComboBoxControl::Layout()
{
    if (!HasEdit())
        return;
    const CRect client = ClientRect();
    MoveWindow(m_edit, 3, 3, std::max(0, ButtonRect().left - 4), std::max(0, client.Height() - 6), TRUE);
}

void ComboBoxControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(Enabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawSunkenFrame(dc, client);
    const CRect button = ButtonRect();
    DrawButtonFace(dc, button, IsWindow(m_dropList));
    DrawArrow(dc, button, ArrowDirection::Down, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    if (HasEdit())
        return;
    CRect text(3, 3, button.left - 1, client.bottom - 3);
    const BOOL focused = HasFocus() && !IsWindow(m_dropList);
    if (focused) {
        dc.FillSolidRect(&text, GetSysColor(COLOR_HIGHLIGHT));
        dc.DrawFocusRect(&text);
    }
    dc.SetTextColor(GetSysColor(!Enabled() ? COLOR_GRAYTEXT : focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += 2;
    const std::string shown = FieldText();
    dc.DrawText(shown.c_str(), int(shown.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace platform
