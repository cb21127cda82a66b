// Creating and destroying windows.
#include <algorithm>

#include "Clipboard.h"
#include "EventLog.h"
#include "Focus.h"
#include "InputState.h"
#include "MessageQueue.h"
#include "NonClient.h"
#include "TimerTable.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "Wnd.h"

namespace platform {

namespace {

HWND DesktopHandle() { return GetDesktopWindow(); }

// Where a top-level window goes when its creator leaves the choice to the system.
void ApplyDefaultPlacement(CREATESTRUCT& cs, BOOL overlapped)
{
    static int cascade = 0;
    if (cs.x == CW_USEDEFAULT) {
        const int step = overlapped ? (cascade++ % 8) * 22 : 0;
        cs.x = step;
        cs.y = step;
    }
    if (cs.cx == CW_USEDEFAULT) {
        cs.cx = overlapped ? GetSystemMetrics(SM_CXSCREEN) * 3 / 4 : 0;
        cs.cy = overlapped ? GetSystemMetrics(SM_CYSCREEN) * 3 / 4 : 0;
    }
}

std::unique_ptr<WindowRecord> MakeRecord(const CREATESTRUCT& cs, std::shared_ptr<const WindowClass> windowClass)
{
    auto record = std::make_unique<WindowRecord>();
    record->windowClass = std::move(windowClass);
    record->proc = record->windowClass->info.lpfnWndProc;
    record->style = DWORD(cs.style) & ~DWORD(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    record->exStyle = cs.dwExStyle;
    const BOOL child = (cs.style & WS_CHILD) != 0;
    record->id = child ? reinterpret_cast<UINT_PTR>(cs.hMenu) : 0;
    if (child)
        record->parent = cs.hwndParent;
    else if (cs.hwndParent && cs.hwndParent != DesktopHandle())
        record->owner = WindowTable::Instance().Root(cs.hwndParent);
    record->rect = CRect(cs.x, cs.y, cs.x + std::max(0, cs.cx), cs.y + std::max(0, cs.cy));
    record->normalRect = record->rect;
    record->laidOutClient = ClientAreaInWindow(*record);
    record->surface.Resize(record->rect.Width(), record->rect.Height());
    return record;
}

void ShowInitially(HWND hwnd, LONG style)
{
    if (!(style & WS_VISIBLE))
        return;
    const BOOL child = (style & WS_CHILD) != 0;
    if (style & WS_MAXIMIZE)
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else if (style & WS_MINIMIZE)
        ShowWindow(hwnd, SW_SHOWMINIMIZED);
    else
        ShowWindow(hwnd, child ? SW_SHOWNA : SW_SHOW);
}

} // namespace

HWND CreateWindowFor(CREATESTRUCT& cs, CWnd* object, BOOL* attached)
{
    if (attached)
        *attached = FALSE;
    auto windowClass = WindowClassRegistry::Instance().Find(cs.lpszClass);
    if (!windowClass) {
        EventLog::Instance().Add(std::string("create window: no class '") +
                                 (cs.lpszClass && !IS_INTRESOURCE(cs.lpszClass) ? cs.lpszClass : "?") + "'");
        return nullptr;
    }
    const BOOL child = (cs.style & WS_CHILD) != 0;
    if (cs.hwndParent == DesktopHandle())
        cs.hwndParent = nullptr;
    if (child && !IsWindow(cs.hwndParent))
        return nullptr;
    ApplyDefaultPlacement(cs, !child && !(cs.style & WS_POPUP));

    WindowRecord& record = WindowTable::Instance().Add(MakeRecord(cs, windowClass));
    HWND hwnd = record.handle;
    WindowTable::Instance().PlaceInZOrder(record, HWND_TOP);
    if (object) {
        record.object = object;
        object->m_hWnd = hwnd;
        if (attached)
            *attached = TRUE;
    }
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd))
        return nullptr;
    ApplyWindowRect(hwnd, FindWindowRecord(hwnd)->rect, SIZE_RESTORED, TRUE);
    ShowInitially(hwnd, cs.style);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

static void ForgetWindow(HWND hwnd)
{
    TimerTable::Instance().KillAll(hwnd);
    MessageQueue::Instance().RemoveWindowMessages(hwnd);
    Clipboard::Instance().WindowDestroyed(hwnd);
    auto& input = InputState::Instance();
    for (HWND* slot : {&input.focus, &input.capture, &input.active})
        if (*slot == hwnd)
            *slot = nullptr;
    ForgetTemporaryWindow(hwnd);
    WindowTable::Instance().Remove(hwnd);
}

// WM_DESTROY goes to a window before its children, WM_NCDESTROY after them.
static void DestroyTree(HWND hwnd)
{
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    if (WindowRecord* record = FindWindowRecord(hwnd)) {
        const std::vector<HWND> children = record->children;
        for (HWND child : children)
            if (WindowRecord* c = FindWindowRecord(child); c && !c->destroying) {
                c->destroying = TRUE;
                DestroyTree(child);
            }
    }
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    ForgetWindow(hwnd);
}

} // namespace platform

using platform::FindWindowRecord;
using platform::WindowTable;

HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    CREATESTRUCT cs;
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = LONG(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = instance;
    cs.lpCreateParams = param;
    return platform::CreateWindowFor(cs, nullptr);
}

BOOL DestroyWindow(HWND hwnd)
{
    platform::WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || record->destroying)
        return FALSE;
    record->destroying = TRUE;
    // Windows owned by this one go first, as they cannot outlive their owner.
    std::vector<HWND> owned;
    for (HWND top : WindowTable::Instance().TopLevel())
        if (platform::WindowRecord* r = FindWindowRecord(top); r && r->owner == hwnd)
            owned.push_back(top);
    for (HWND w : owned)
        DestroyWindow(w);
    if ((record = FindWindowRecord(hwnd)))
        record->style &= ~DWORD(WS_VISIBLE);
    platform::LeaveWindow(hwnd, TRUE);
    platform::DestroyTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return FindWindowRecord(hwnd) != nullptr; }
