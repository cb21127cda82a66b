// What a window is: text, styles, ids, enabled state, and its relations to other windows.
#include <cstring>

#include "Focus.h"
#include "InputState.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "WinApi.h"

using namespace platform;

// The desktop is a handle that names the screen; it has no record and takes no messages.
HWND GetDesktopWindow() { return reinterpret_cast<HWND>(uintptr_t(0x10)); }

int GetClassName(HWND hwnd, LPTSTR buffer, int bufferSize)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || !buffer || bufferSize <= 0)
        return 0;
    const std::string& name = record->windowClass->name;
    const int n = std::min(int(name.size()), bufferSize - 1);
    std::memcpy(buffer, name.data(), std::size_t(n));
    buffer[n] = '\0';
    return n;
}

BOOL SetWindowText(HWND hwnd, LPCTSTR text)
{
    return IsWindow(hwnd) && SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

int GetWindowText(HWND hwnd, LPTSTR buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return 0;
    buffer[0] = '\0';
    return int(SendMessage(hwnd, WM_GETTEXT, WPARAM(bufferSize), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) { return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

BOOL IsWindowVisible(HWND hwnd) { return WindowTable::Instance().IsShown(hwnd); }

BOOL IsWindowEnabled(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record && !(record->style & WS_DISABLED);
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return FALSE;
    const BOOL wasDisabled = (record->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    record->style = enable ? (record->style & ~DWORD(WS_DISABLED)) : (record->style | WS_DISABLED);
    if (!enable) {
        auto& input = InputState::Instance();
        auto within = [&](HWND h) { return h && (h == hwnd || IsChild(hwnd, h)); };
        if (within(input.capture))
            ReleaseCapture();
        if (within(input.focus))
            SetFocus(nullptr);
    }
    SendMessage(hwnd, WM_ENABLE, enable, 0);
    return wasDisabled;
}

BOOL IsChild(HWND parent, HWND hwnd) { return parent && WindowTable::Instance().IsAncestor(parent, hwnd); }

HWND GetParent(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return nullptr;
    return record->parent ? record->parent : record->owner;
}

HWND SetParent(HWND hwnd, HWND newParent)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || (newParent && (!IsWindow(newParent) || newParent == hwnd || IsChild(hwnd, newParent))))
        return nullptr;
    HWND old = record->parent;
    auto& table = WindowTable::Instance();
    table.Unlink(*record);
    record->parent = newParent == GetDesktopWindow() ? nullptr : newParent;
    table.PlaceInZOrder(*record, HWND_TOP);
    return old ? old : GetDesktopWindow();
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return nullptr;
    if (relation == GW_OWNER)
        return record->parent ? nullptr : record->owner;
    if (relation == GW_CHILD)
        return record->children.empty() ? nullptr : record->children.front();
    const auto& siblings = WindowTable::Instance().Siblings(*record);
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 < siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV: return it != siblings.begin() ? *(it - 1) : nullptr;
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    if (!hwnd || hwnd == GetDesktopWindow()) {
        const auto& top = WindowTable::Instance().TopLevel();
        return top.empty() ? nullptr : top.front();
    }
    return GetWindow(hwnd, GW_CHILD);
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return 0;
    switch (index) {
    case GWL_STYLE: {
        DWORD style = record->style;
        return LONG_PTR(style);
    }
    case GWL_EXSTYLE: return LONG_PTR(record->exStyle);
    case GWL_ID: return LONG_PTR(record->id);
    case GWL_USERDATA: return record->userData;
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(record->proc);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return 0;
    const LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE: {
        // Visibility and the show state change only through ShowWindow; a change of frame or
        // scroll bars lays the window out again at once.
        const DWORD kept = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE;
        record->style = (DWORD(value) & ~kept) | (record->style & kept);
        FrameChanged(hwnd);
        break;
    }
    case GWL_EXSTYLE:
        record->exStyle = DWORD(value);
        FrameChanged(hwnd);
        break;
    case GWL_ID: record->id = UINT_PTR(value); break;
    case GWL_USERDATA: record->userData = value; break;
    case GWL_WNDPROC: record->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_HWNDPARENT:
        if (!record->parent)
            record->owner = reinterpret_cast<HWND>(value);
        break;
    default: return 0;
    }
    return old;
}

HWND GetDlgItem(HWND parent, int id)
{
    const WindowRecord* record = FindWindowRecord(parent);
    if (!record)
        return nullptr;
    for (HWND child : record->children)
        if (const WindowRecord* c = FindWindowRecord(child); c && c->id == UINT_PTR(id))
            return child;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record ? int(record->id) : 0;
}

HWND FindWindow(LPCTSTR className, LPCTSTR windowName)
{
    for (HWND top : WindowTable::Instance().TopLevel()) {
        const WindowRecord* r = FindWindowRecord(top);
        if (className && !IS_INTRESOURCE(className) && WindowClassRegistry::Instance().Find(className) != r->windowClass)
            continue;
        if (windowName && r->text != windowName)
            continue;
        return top;
    }
    return nullptr;
}
