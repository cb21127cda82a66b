#include "ControlDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "../gdi/SysColors.h"

namespace platform {

namespace {

COLORREF Sys(int index) { return GetSysColor(index); }

std::vector<POINT> Circle(double cx, double cy, double radius)
{
    constexpr int kSides = 20;
    std::vector<POINT> points;
    for (int i = 0; i < kSides; ++i) {
        const double angle = 2 * 3.14159265358979 * i / kSides;
        points.push_back(POINT{LONG(std::lround(cx + radius * std::cos(angle))), LONG(std::lround(cy + radius * std::sin(angle)))});
    }
    return points;
}

} // namespace

void FillPolygon(CDC& dc, const POINT* points, int count, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, colour);
    CBrush brush(colour);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Polygon(points, count);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void FillCircle(CDC& dc, double centreX, double centreY, double radius, COLORREF colour)
{
    const auto points = Circle(centreX, centreY, radius);
    FillPolygon(dc, points.data(), int(points.size()), colour);
}

void FillStroke(CDC& dc, POINT from, POINT to, double width, COLORREF colour)
{
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::max(1.0, std::sqrt(dx * dx + dy * dy));
    const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    auto at = [](double x, double y) { return POINT{LONG(std::lround(x)), LONG(std::lround(y))}; };
    const POINT points[4] = {at(from.x + nx, from.y + ny), at(to.x + nx, to.y + ny), at(to.x - nx, to.y - ny),
                             at(from.x - nx, from.y - ny)};
    FillPolygon(dc, points, 4, colour);
}

void DrawRaisedFrame(CDC& dc, const CRect& rect)
{
    CRect box = rect;
    dc.Draw3dRect(&box, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DDKSHADOW));
    box.DeflateRect(1, 1);
    dc.Draw3dRect(&box, Sys(COLOR_3DLIGHT), Sys(COLOR_BTNSHADOW));
}

void DrawSunkenFrame(CDC& dc, const CRect& rect)
{
    CRect box = rect;
    dc.Draw3dRect(&box, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    box.DeflateRect(1, 1);
    dc.Draw3dRect(&box, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
}

void DrawButtonFace(CDC& dc, const CRect& rect, BOOL pressed)
{
    dc.FillSolidRect(&rect, Sys(COLOR_BTNFACE));
    if (!pressed) {
        DrawRaisedFrame(dc, rect);
        return;
    }
    CRect box = rect;
    dc.Draw3dRect(&box, Sys(COLOR_3DDKSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    box.DeflateRect(1, 1);
    dc.Draw3dRect(&box, Sys(COLOR_BTNSHADOW), Sys(COLOR_3DLIGHT));
}

void DrawCheckBox(CDC& dc, CPoint topLeft, int check, BOOL enabled)
{
    const CRect box(topLeft, CSize(kCheckBoxSize, kCheckBoxSize));
    CRect inside = box;
    inside.DeflateRect(2, 2);
    dc.FillSolidRect(&inside, Sys(enabled && check != 2 ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawSunkenFrame(dc, box);
    if (!check)
        return;
    // The classic mark: seven columns three pixels tall, down to the fourth column and up again.
    static const int tops[] = {2, 3, 4, 3, 2, 1, 0};
    const COLORREF mark = Sys(enabled && check == 1 ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 7; ++i)
        dc.FillSolidRect(topLeft.x + 3 + i, topLeft.y + 3 + tops[i], 1, 3, mark);
}

void DrawRadioButton(CDC& dc, CPoint topLeft, BOOL checked, BOOL enabled)
{
    const double c = (kRadioSize - 1) / 2.0;
    FillCircle(dc, topLeft.x + c, topLeft.y + c, c, Sys(COLOR_BTNSHADOW));
    FillCircle(dc, topLeft.x + c, topLeft.y + c, c - 1.5, Sys(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    if (checked)
        FillCircle(dc, topLeft.x + c, topLeft.y + c, 2, Sys(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
}

void DrawArrow(CDC& dc, const CRect& rect, ArrowDirection direction, COLORREF colour)
{
    const int size = std::max(1, std::min(rect.Width(), rect.Height()) / 4);
    const CPoint c = rect.CenterPoint();
    POINT points[3];
    switch (direction) {
    case ArrowDirection::Up:
        points[0] = {c.x - size, c.y + size / 2};
        points[1] = {c.x + size, c.y + size / 2};
        points[2] = {c.x, c.y - size / 2 - 1};
        break;
    case ArrowDirection::Down:
        points[0] = {c.x - size, c.y - size / 2};
        points[1] = {c.x + size, c.y - size / 2};
        points[2] = {c.x, c.y + size / 2 + 1};
        break;
    case ArrowDirection::Left:
        points[0] = {c.x + size / 2, c.y - size};
        points[1] = {c.x + size / 2, c.y + size};
        points[2] = {c.x - size / 2 - 1, c.y};
        break;
    case ArrowDirection::Right:
        points[0] = {c.x - size / 2, c.y - size};
        points[1] = {c.x - size / 2, c.y + size};
        points[2] = {c.x + size / 2 + 1, c.y};
        break;
    }
    FillPolygon(dc, points, 3, colour);
}

} // namespace platform
