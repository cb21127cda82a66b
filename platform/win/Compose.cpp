#include "Compose.h"

#include <algorithm>

#include "../gdi/SysColors.h"
#include "NonClient.h"
#include "Painting.h"
#include "WindowTable.h"
#include "WinApi.h"

namespace platform {

namespace {

uint32_t PixelOf(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

// Copies a picture onto another at a place, inside a clip rectangle of the target.
void Blit(Surface& target, const Surface& picture, CPoint at, const CRect& clip)
{
    CRect area(at, CSize(picture.width, picture.height));
    if (!area.IntersectRect(area, clip) || !area.IntersectRect(area, CRect(0, 0, target.width, target.height)))
        return;
    for (int y = area.top; y < area.bottom; ++y) {
        const uint32_t* from = picture.Row(y - at.y) + (area.left - at.x);
        std::copy(from, from + area.Width(), target.Row(y) + area.left);
    }
}

Surface Compose(const WindowRecord& record)
{
    Surface picture = record.surface;
    const CRect client = ClientAreaInWindow(record);
    for (auto it = record.children.rbegin(); it != record.children.rend(); ++it) {
        const WindowRecord* child = FindWindowRecord(*it);
        if (!child || !(child->style & WS_VISIBLE))
            continue;
        Blit(picture, Compose(*child), CPoint(client.left + child->rect.left, client.top + child->rect.top), client);
    }
    return picture;
}

} // namespace

void PaintPendingWindows()
{
    // Bounded, so that a window which invalidates itself while painting cannot hold this forever.
    int budget = 10000;
    for (HWND hwnd = NextWindowToPaint(nullptr); hwnd && budget-- > 0; hwnd = NextWindowToPaint(nullptr))
        PaintNow(hwnd);
}

Surface ComposeWindow(HWND hwnd)
{
    PaintPendingWindows();
    const WindowRecord* record = FindWindowRecord(hwnd);
    return record ? Compose(*record) : Surface();
}

Surface ComposeScreen()
{
    PaintPendingWindows();
    Surface screen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), PixelOf(GetSysColor(COLOR_BACKGROUND)));
    const auto& top = WindowTable::Instance().TopLevel();
    for (auto it = top.rbegin(); it != top.rend(); ++it) {
        const WindowRecord* record = FindWindowRecord(*it);
        if (record && (record->style & WS_VISIBLE))
            Blit(screen, Compose(*record), record->rect.TopLeft(), CRect(0, 0, screen.width, screen.height));
    }
    return screen;
}

} // namespace platform
