#include "Cursor.h"

#include <iterator>

#include "InputState.h"
#include "WinApi.h"

namespace platform {

namespace {

struct StandardCursor {
    LPCTSTR id;
    const char* name;
};

const StandardCursor kStandardCursors[] = {
    {IDC_ARROW, "IDC_ARROW"},   {IDC_IBEAM, "IDC_IBEAM"},       {IDC_WAIT, "IDC_WAIT"},
    {IDC_CROSS, "IDC_CROSS"},   {IDC_UPARROW, "IDC_UPARROW"},   {IDC_SIZE, "IDC_SIZE"},
    {IDC_ICON, "IDC_ICON"},     {IDC_SIZENWSE, "IDC_SIZENWSE"}, {IDC_SIZENESW, "IDC_SIZENESW"},
    {IDC_SIZEWE, "IDC_SIZEWE"}, {IDC_SIZENS, "IDC_SIZENS"},     {IDC_SIZEALL, "IDC_SIZEALL"},
    {IDC_NO, "IDC_NO"},         {IDC_HAND, "IDC_HAND"},         {IDC_APPSTARTING, "IDC_APPSTARTING"},
    {IDC_HELP, "IDC_HELP"},
};

} // namespace

std::string CursorName(HCURSOR cursor)
{
    if (!cursor)
        return "none";
    for (const auto& standard : kStandardCursors)
        if (reinterpret_cast<HCURSOR>(const_cast<char*>(standard.id)) == cursor)
            return standard.name;
    return "custom";
}

} // namespace platform

using platform::InputState;

// A standard cursor's handle is its resource number, so every module gets the same handle.
HCURSOR LoadStandardCursor(LPCTSTR name)
{
    for (const auto& standard : platform::kStandardCursors)
        if (standard.id == name)
            return reinterpret_cast<HCURSOR>(const_cast<char*>(name));
    return nullptr;
}

HCURSOR LoadCursor(HINSTANCE, LPCTSTR name) { return LoadStandardCursor(name); }

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR old = InputState::Instance().cursor;
    InputState::Instance().cursor = cursor;
    return old;
}

HCURSOR GetCursor() { return InputState::Instance().cursor; }

BOOL GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    *point = InputState::Instance().pointer;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    auto& input = InputState::Instance();
    input.pointer = input.Confine(CPoint(x, y));
    return TRUE;
}

BOOL ClipCursor(const RECT* rect)
{
    auto& input = InputState::Instance();
    if (rect)
        input.confinement = CRect(*rect);
    else
        input.confinement.reset();
    input.pointer = input.Confine(input.pointer);
    return TRUE;
}

BOOL GetClipCursor(LPRECT rect)
{
    if (!rect)
        return FALSE;
    auto& input = InputState::Instance();
    *rect = input.confinement ? *input.confinement
                              : CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return TRUE;
}

static short KeyStateWord(int virtualKey)
{
    const auto& input = InputState::Instance();
    unsigned value = input.IsKeyDown(virtualKey) ? 0x8000u : 0u;
    if (input.IsKeyToggled(virtualKey))
        value |= 1u;
    return static_cast<short>(value);
}

short GetKeyState(int virtualKey) { return KeyStateWord(virtualKey); }

short GetAsyncKeyState(int virtualKey) { return KeyStateWord(virtualKey); }

UINT GetDoubleClickTime() { return 500; }
