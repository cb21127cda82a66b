// The dropped list of a combo box: the pointer picks an item (or, outside, closes the list)
// and the item under it is shown as the one that Enter would take.
#include <algorithm>

#include "../gdi/SysColors.h"
#include "../win/SystemMetrics.h"
#include "ComboBoxControl.h"

namespace platform {

LRESULT ComboListControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    ComboBoxControl* combo = Combo();
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        m_combo = cs ? reinterpret_cast<HWND>(cs->lpCreateParams) : nullptr;
        return Default(message, wParam, lParam);
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        if (combo && ItemAt(point) >= 0)
            combo->SetHotItem(ItemAt(point));
        return 0;
    case WM_LBUTTONDOWN:
        if (combo && !ClientRect().PtInRect(point))
            combo->CloseDropDown(FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (combo && ItemAt(point) >= 0) {
            combo->SetHotItem(ItemAt(point));
            combo->CloseDropDown(TRUE);
        }
        return 0;
    case WM_MOUSEWHEEL:
        m_top = std::max(0, m_top - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA *
                                        int(DesktopSettings::Instance().WheelScrollLines()));
        Redraw();
        return 0;
    case WM_CAPTURECHANGED:
        if (combo && reinterpret_cast<HWND>(lParam) != m_hwnd)
            combo->CloseDropDown(FALSE);
        return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    default: return Default(message, wParam, lParam);
    }
}

int ComboListControl::ItemAt(CPoint point) const
{
    const ComboBoxControl* combo = Combo();
    if (!combo || !ClientRect().PtInRect(point))
        return -1;
    const int index = m_top + point.y / std::max(1, combo->ItemHeight());
    return combo->Items().Valid(index) ? index : -1;
}

void ComboListControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const ComboBoxControl* combo = Combo();
    if (!combo)
        return;
    const int height = std::max(1, combo->ItemHeight());
    const int rows = std::max(1, client.Height() / height);
    const int hot = combo->HotItem();
    if (hot >= 0 && hot < m_top)
        m_top = hot;
    else if (hot >= m_top + rows)
        m_top = hot - rows + 1;
    m_top = std::clamp(m_top, 0, std::max(0, combo->Items().Count() - rows));
    for (int i = m_top, y = 0; i < combo->Items().Count() && y < client.bottom; ++i, y += height) {
        CRect row(0, y, client.right, y + height);
        if (i == hot)
            dc.FillSolidRect(&row, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(i == hot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        row.left += 2;
        const std::string& text = combo->Items().At(i).text;
        dc.DrawText(text.c_str(), int(text.size()), &row, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace platform
