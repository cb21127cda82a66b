#include "Focus.h"

#include "InputState.h"
#include "WinApi.h"
#include "WindowTable.h"

namespace platform {

HWND Activate(HWND topLevel, UINT state)
{
    auto& input = InputState::Instance();
    HWND old = input.active;
    if (topLevel == old)
        return old;
    input.active = topLevel;
    if (IsWindow(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(topLevel));
    }
    if (input.active != topLevel || !IsWindow(topLevel))
        return old;
    SetWindowPos(topLevel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessage(topLevel, WM_NCACTIVATE, TRUE, 0);
    SendMessage(topLevel, WM_ACTIVATE, MAKEWPARAM(state, IsIconic(topLevel)), reinterpret_cast<LPARAM>(old));
    return old;
}

static HWND NextActiveCandidate(HWND leaving)
{
    auto& table = WindowTable::Instance();
    const WindowRecord* record = table.Find(leaving);
    if (record && record->owner && table.IsShown(record->owner))
        return table.Root(record->owner);
    for (HWND h : table.TopLevel()) {
        const WindowRecord* r = table.Find(h);
        if (h != leaving && r && (r->style & WS_VISIBLE) && !(r->exStyle & WS_EX_TOOLWINDOW) && !r->destroying)
            return h;
    }
    return nullptr;
}

void LeaveWindow(HWND hwnd, BOOL destroying)
{
    auto& table = WindowTable::Instance();
    auto& input = InputState::Instance();
    auto within = [&](HWND h) { return h && (h == hwnd || table.IsAncestor(hwnd, h)); };
    if (within(input.capture))
        ReleaseCapture();
    if (within(input.focus)) {
        // A child's focus falls back to its parent, as the user would expect of a closed editor.
        const WindowRecord* record = table.Find(hwnd);
        HWND parent = record ? record->parent : nullptr;
        SetFocus(parent && table.IsShown(parent) ? parent : nullptr);
    }
    if (input.active == hwnd) {
        HWND next = NextActiveCandidate(hwnd);
        if (next)
            Activate(next, WA_ACTIVE);
        else if (destroying)
            input.active = nullptr;
    }
}

} // namespace platform

using platform::InputState;
using platform::WindowTable;

HWND SetFocus(HWND hwnd)
{
    auto& input = InputState::Instance();
    if (hwnd && !IsWindow(hwnd))
        return nullptr;
    HWND old = input.focus;
    if (hwnd == old)
        return old;
    if (hwnd) {
        HWND root = WindowTable::Instance().Root(hwnd);
        if (root != input.active)
            platform::Activate(root, WA_ACTIVE);
        if (!IsWindow(hwnd))
            return nullptr;
        old = input.focus;
        if (hwnd == old)
            return old;
    }
    // The focus moves first and the old window is told afterwards, so that a window which moves
    // the focus again while losing it (an editor handing over to the next one) is not told twice.
    input.focus = hwnd;
    if (IsWindow(old))
        SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (input.focus != hwnd)
        return old;
    if (IsWindow(hwnd))
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(IsWindow(old) ? old : nullptr), 0);
    return old;
}

HWND GetFocus() { return InputState::Instance().focus; }

HWND SetCapture(HWND hwnd)
{
    auto& input = InputState::Instance();
    if (hwnd && !IsWindow(hwnd))
        return nullptr;
    HWND old = input.capture;
    input.capture = hwnd;
    if (old && old != hwnd && IsWindow(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    auto& input = InputState::Instance();
    HWND old = input.capture;
    input.capture = nullptr;
    if (IsWindow(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return InputState::Instance().capture; }

HWND SetActiveWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return nullptr;
    return platform::Activate(WindowTable::Instance().Root(hwnd), WA_ACTIVE);
}

HWND GetActiveWindow() { return InputState::Instance().active; }

HWND GetForegroundWindow() { return InputState::Instance().active; }

BOOL SetForegroundWindow(HWND hwnd) { return IsWindow(hwnd) && (SetActiveWindow(hwnd), TRUE); }
