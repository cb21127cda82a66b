#include "DialogNavigation.h"

#include <algorithm>

#include "ControlConstants.h"

namespace platform {

namespace {

DWORD StyleOf(HWND hwnd) { return DWORD(GetWindowLongPtr(hwnd, GWL_STYLE)); }
BOOL Usable(HWND hwnd) { return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

UINT DialogCode(HWND hwnd, MSG* msg = nullptr)
{
    return UINT(SendMessage(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
}

BOOL IsControlParent(HWND hwnd)
{
    return (GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsWindowVisible(hwnd);
}

void CollectControls(HWND parent, std::vector<HWND>& out)
{
    for (HWND child : ChildrenInOrder(parent)) {
        if (IsControlParent(child))
            CollectControls(child, out);
        else
            out.push_back(child);
    }
}

// The checked radio button of a group, when the group has one: the tab stop of the group.
HWND CheckedRadioOf(HWND control)
{
    if (!(DialogCode(control) & DLGC_RADIOBUTTON))
        return control;
    for (HWND member : ControlGroup(control))
        if ((DialogCode(member) & DLGC_RADIOBUTTON) && SendMessage(member, BM_GETCHECK, 0, 0) == BST_CHECKED && Usable(member))
            return member;
    return control;
}

HWND DefaultButton(HWND dialog, HWND focus)
{
    if (focus && (DialogCode(focus) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return focus;
    const LRESULT defId = SendMessage(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID)
        return GetDlgItem(dialog, LOWORD(defId));
    for (HWND control : DialogControls(dialog))
        if (DialogCode(control) & DLGC_DEFPUSHBUTTON)
            return control;
    return nullptr;
}

void PressButton(HWND dialog, int id, HWND button)
{
    if (button && !IsWindowEnabled(button))
        return;
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

BOOL HandleKey(HWND dialog, MSG* msg)
{
    const UINT code = DialogCode(msg->hwnd, msg);
    if (code & DLGC_WANTALLKEYS)
        return FALSE;
    HWND focus = DialogControlOf(dialog, GetFocus());
    switch (msg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return FALSE;
        FocusDialogControl(GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0));
        return TRUE;
    case VK_RETURN: {
        HWND button = DefaultButton(dialog, focus);
        PressButton(dialog, button ? GetDlgCtrlID(button) : IDOK, button);
        return TRUE;
    }
    case VK_ESCAPE:
        PressButton(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return FALSE;
        HWND next = GetNextDlgGroupItem(dialog, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
        if (!next || next == focus)
            return TRUE;
        SetFocus(next);
        if (DialogCode(next) & DLGC_RADIOBUTTON)
            SendMessage(next, BM_CLICK, 0, 0);
        return TRUE;
    }
    default: return FALSE;
    }
}

} // namespace

std::vector<HWND> ChildrenInOrder(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    // Handles are numbers that grow with every window made.
    std::sort(children.begin(), children.end(),
              [](HWND a, HWND b) { return reinterpret_cast<uintptr_t>(a) < reinterpret_cast<uintptr_t>(b); });
    return children;
}

std::vector<HWND> ControlGroup(HWND control)
{
    const std::vector<HWND> siblings = ChildrenInOrder(GetParent(control));
    auto at = std::find(siblings.begin(), siblings.end(), control);
    if (at == siblings.end())
        return {control};
    auto first = at;
    while (first != siblings.begin() && !(StyleOf(*first) & WS_GROUP))
        --first;
    auto last = at + 1;
    while (last != siblings.end() && !(StyleOf(*last) & WS_GROUP))
        ++last;
    return std::vector<HWND>(first, last);
}

std::vector<HWND> DialogControls(HWND dialog)
{
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    return controls;
}

HWND DialogControlOf(HWND dialog, HWND hwnd)
{
    if (!hwnd || hwnd == dialog || !IsChild(dialog, hwnd))
        return nullptr;
    for (HWND control : DialogControls(dialog))
        if (control == hwnd || IsChild(control, hwnd))
            return control;
    return nullptr;
}

void FocusDialogControl(HWND control)
{
    if (!control)
        return;
    SetFocus(control);
    if (GetFocus() == control && (DialogCode(control) & DLGC_HASSETSEL))
        SendMessage(control, EM_SETSEL, 0, -1);
}

} // namespace platform

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> stops;
    for (HWND candidate : platform::DialogControls(dialog))
        if ((platform::StyleOf(candidate) & WS_TABSTOP) && platform::Usable(candidate))
            stops.push_back(candidate);
    if (stops.empty())
        return control;
    HWND current = platform::DialogControlOf(dialog, control);
    // A radio button of the current group counts as the group's stop.
    const std::vector<HWND> controls = platform::DialogControls(dialog);
    auto at = std::find(controls.begin(), controls.end(), current);
    HWND found = nullptr;
    if (at == controls.end()) {
        found = previous ? stops.back() : stops.front();
    } else if (!previous) {
        auto next = std::find_if(at + 1, controls.end(), [&](HWND h) { return std::count(stops.begin(), stops.end(), h); });
        found = next != controls.end() ? *next : stops.front();
    } else {
        auto rat = std::make_reverse_iterator(at);
        auto next = std::find_if(rat, controls.rend(), [&](HWND h) { return std::count(stops.begin(), stops.end(), h); });
        found = next != controls.rend() ? *next : stops.back();
    }
    return platform::CheckedRadioOf(found);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    HWND current = platform::DialogControlOf(dialog, control);
    if (!current)
        return control;
    std::vector<HWND> group;
    for (HWND member : platform::ControlGroup(current))
        if (member == current || platform::Usable(member))
            group.push_back(member);
    auto at = std::find(group.begin(), group.end(), current);
    const std::ptrdiff_t count = std::ptrdiff_t(group.size());
    const std::ptrdiff_t index = ((at - group.begin()) + (previous ? count - 1 : 1)) % count;
    return group[std::size_t(index)];
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg)
{
    if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    return platform::HandleKey(dialog, msg);
}
