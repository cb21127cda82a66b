#include "FrameworkClasses.h"

#include "../gdi/SysColors.h"
#include "../win/WinApi.h"

namespace platform {

namespace {

LPCTSTR Register(const char* name, UINT style, int backgroundColour)
{
    WNDCLASS info;
    info.style = style;
    info.lpfnWndProc = ::DefWindowProc;
    info.hCursor = LoadStandardCursor(IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(uintptr_t(backgroundColour + 1));
    info.lpszClassName = name;
    AfxRegisterClass(&info);
    return name;
}

} // namespace

LPCTSTR FrameOrViewClass() { return Register("AfxFrameOrView", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW); }

LPCTSTR MdiClientClass() { return Register("MDICLIENT", 0, COLOR_APPWORKSPACE); }

} // namespace platform
