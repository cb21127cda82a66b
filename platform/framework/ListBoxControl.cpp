// The list box: item messages, selection and check boxes, keyboard and pointer, scrolling and
// painting.
#include "ListBoxControl.h"

#include <algorithm>
#include <cstring>

#include "../gdi/SysColors.h"
#include "../win/SystemMetrics.h"
#include "ControlDrawing.h"

namespace platform {

namespace {

constexpr int kTextMargin = 2;

} // namespace

int ListBoxControl::ItemHeight() const
{
    if (m_itemHeight > 0)
        return m_itemHeight;
    const int line = TextMeasure(Font()).LineHeight();
    return m_checkStyle ? std::max(line, kCheckBoxSize + 2) : line;
}

LRESULT ListBoxControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleItemMessage(message, wParam, lParam, result) || HandleSelectionMessage(message, wParam, lParam, result) ||
        HandleCheckMessage(message, wParam, lParam, result))
        return result;
    if (HandleInput(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        m_scrollable = cs && (cs->style & WS_VSCROLL);
        return Default(message, wParam, lParam);
    }
    case WM_CREATE:
        UpdateScrollBar();
        return Default(message, wParam, lParam);
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE:
        UpdateScrollBar();
        return Default(message, wParam, lParam);
    case WM_ENABLE: Redraw(); return 0;
    case WM_SETFONT:
        UpdateScrollBar();
        if (lParam)
            Redraw();
        return 0;
    default: return Default(message, wParam, lParam);
    }
}

BOOL ListBoxControl::HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const int index = int(wParam);
    const char* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    case LB_ADDSTRING: result = AddItem(text, -1, (Style() & LBS_SORT) != 0); return TRUE;
    case LB_INSERTSTRING: result = AddItem(text, index, FALSE); return TRUE;
    case LB_DELETESTRING:
        if (!m_items.Remove(index)) {
            result = LB_ERR;
            return TRUE;
        }
        Removed(index);
        result = m_items.Count();
        return TRUE;
    case LB_RESETCONTENT:
        m_items.Clear();
        m_selection = -1;
        m_caret = m_top = 0;
        UpdateScrollBar();
        Redraw();
        return TRUE;
    case LB_GETCOUNT: result = m_items.Count(); return TRUE;
    case LB_GETTEXT: result = CopyText(index, reinterpret_cast<char*>(lParam)); return TRUE;
    case LB_GETTEXTLEN: result = m_items.Valid(index) ? LRESULT(m_items.At(index).text.size()) : LB_ERR; return TRUE;
    case LB_GETITEMDATA: result = m_items.Valid(index) ? m_items.At(index).data : LB_ERR; return TRUE;
    case LB_SETITEMDATA:
        if (m_items.Valid(index))
            m_items.At(index).data = lParam;
        result = m_items.Valid(index) ? LB_OKAY : LB_ERR;
        return TRUE;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        result = m_items.Find(index, text ? text : "", message == LB_FINDSTRINGEXACT);
        return TRUE;
    default: return FALSE;
    }
}

BOOL ListBoxControl::HandleSelectionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const int index = int(wParam);
    switch (message) {
    case LB_SETCURSEL: result = SetSelection(index) && index >= 0 ? index : LB_ERR; return TRUE;
    case LB_GETCURSEL: result = m_selection; return TRUE;
    case LB_GETSEL: result = m_items.Valid(index) ? LRESULT(index == m_selection) : LB_ERR; return TRUE;
    case LB_SELECTSTRING: {
        const int found = m_items.Find(index, lParam ? reinterpret_cast<const char*>(lParam) : "", FALSE);
        result = found >= 0 && SetSelection(found) ? found : LB_ERR;
        return TRUE;
    }
    case LB_GETTOPINDEX: result = m_top; return TRUE;
    case LB_SETTOPINDEX: SetTop(index); result = m_items.Valid(index) ? LB_OKAY : LB_ERR; return TRUE;
    case LB_GETCARETINDEX: result = m_caret; return TRUE;
    case LB_SETCARETINDEX:
        if (m_items.Valid(index)) {
            m_caret = index;
            EnsureVisible(index);
            Redraw();
        }
        result = m_items.Valid(index) ? LB_OKAY : LB_ERR;
        return TRUE;
    case LB_GETITEMHEIGHT: result = ItemHeight(); return TRUE;
    case LB_SETITEMHEIGHT:
        m_itemHeight = LOWORD(lParam);
        UpdateScrollBar();
        Redraw();
        return TRUE;
    case LB_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect || !m_items.Valid(index)) {
            result = LB_ERR;
            return TRUE;
        }
        const int top = (index - m_top) * ItemHeight();
        *rect = CRect(0, top, ClientRect().right, top + ItemHeight());
        return TRUE;
    }
    case LB_ITEMFROMPOINT: {
        const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        const int found = ItemAt(point);
        result = MAKELRESULT(std::max(found, 0), found < 0 ? 1 : 0);
        return TRUE;
    }
    default: return FALSE;
    }
}

BOOL ListBoxControl::HandleCheckMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const int index = int(wParam);
    switch (message) {
    case kListSetCheckStyle:
        m_checkStyle = UINT(wParam);
        UpdateScrollBar();
        Redraw();
        return TRUE;
    case kListGetCheckStyle: result = m_checkStyle; return TRUE;
    case kListSetCheck:
        if (m_items.Valid(index)) {
            m_items.At(index).check = int(lParam);
            Redraw();
        }
        return TRUE;
    case kListGetCheck: result = m_items.Valid(index) ? m_items.At(index).check : LB_ERR; return TRUE;
    case kListEnableItem:
        if (m_items.Valid(index)) {
            m_items.At(index).enabled = BOOL(lParam);
            Redraw();
        }
        return TRUE;
    case kListIsItemEnabled: result = m_items.Valid(index) && m_items.At(index).enabled; return TRUE;
    case kUserToggleItem: ToggleCheck(index); return TRUE;
    case kUserSetItemCheck: SetCheckByUser(index, int(lParam)); return TRUE;
    default: return FALSE;
    }
}

BOOL ListBoxControl::HandleInput(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(point, FALSE); return TRUE;
    case WM_LBUTTONDBLCLK: OnButtonDown(point, TRUE); return TRUE;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return TRUE;
    case WM_CHAR: {
        const char typed[2] = {char(wParam), '\0'};
        const int found = wParam > ' ' ? m_items.Find(m_caret, typed, FALSE) : -1;
        if (found >= 0)
            MoveTo(found);
        return TRUE;
    }
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        SetTop(m_top - notches * int(DesktopSettings::Instance().WheelScrollLines()));
        return TRUE;
    }
    case WM_VSCROLL: OnScroll(LOWORD(wParam)); return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Redraw();
        if (Notifies())
            NotifyParent(message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return TRUE;
    default: return FALSE;
    }
}

LRESULT ListBoxControl::AddItem(const char* text, int index, BOOL sorted)
{
    const int at = sorted || index == -1 ? m_items.Add(text ? text : "", sorted) : m_items.Insert(index, text ? text : "");
    if (at < 0)
        return LB_ERR;
    if (m_selection >= at)
        ++m_selection;
    UpdateScrollBar();
    Redraw();
    return at;
}

LRESULT ListBoxControl::CopyText(int index, char* buffer) const
{
    if (!m_items.Valid(index) || !buffer)
        return LB_ERR;
    const std::string& text = m_items.At(index).text;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return LRESULT(text.size());
}

void ListBoxControl::Removed(int index)
{
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    m_caret = std::clamp(m_caret, 0, std::max(0, m_items.Count() - 1));
    SetTop(m_top);
    UpdateScrollBar();
    Redraw();
}

BOOL ListBoxControl::SetSelection(int index)
{
    if (Style() & LBS_NOSEL)
        return FALSE;
    if (index != -1 && !m_items.Valid(index))
        return FALSE;
    m_selection = index;
    if (index >= 0) {
        m_caret = index;
        EnsureVisible(index);
    }
    Redraw();
    return TRUE;
}

void ListBoxControl::MoveTo(int index)
{
    if (!m_items.Valid(index))
        return;
    m_caret = index;
    EnsureVisible(index);
    Redraw();
    if (index == m_selection || !SetSelection(index))
        return;
    if (Notifies())
        NotifyParent(LBN_SELCHANGE);
}

void ListBoxControl::ToggleCheck(int index)
{
    if (!m_items.Valid(index))
        return;
    const int check = m_items.At(index).check;
    SetCheckByUser(index, m_checkStyle == BS_AUTO3STATE ? (check + 1) % 3 : !check);
}

void ListBoxControl::SetCheckByUser(int index, int check)
{
    if (!m_checkStyle || !m_items.Valid(index) || !m_items.At(index).enabled || m_items.At(index).check == check)
        return;
    m_items.At(index).check = check;
    m_caret = index;
    Redraw();
    NotifyParent(CLBN_CHKCHANGE);
}

void ListBoxControl::OnButtonDown(CPoint point, BOOL doubleClick)
{
    if (!HasFocus())
        SetFocus(m_hwnd);
    if (!Alive())
        return;
    const int index = ItemAt(point);
    if (index < 0)
        return;
    const BOOL onBox = m_checkStyle && point.x < kCheckBoxSize + kTextMargin + 1;
    if (m_checkStyle && AutoCheck() && (onBox || doubleClick)) {
        m_caret = index;
        ToggleCheck(index);
    } else {
        MoveTo(index);
    }
    if (doubleClick && Alive() && Notifies())
        NotifyParent(LBN_DBLCLK);
}

void ListBoxControl::OnKeyDown(UINT key)
{
    const int last = m_items.Count() - 1;
    switch (key) {
    case VK_UP: MoveTo(std::max(0, m_caret - 1)); return;
    case VK_DOWN: MoveTo(std::min(last, m_caret + 1)); return;
    case VK_PRIOR: MoveTo(std::max(0, m_caret - std::max(1, VisibleRows() - 1))); return;
    case VK_NEXT: MoveTo(std::min(last, m_caret + std::max(1, VisibleRows() - 1))); return;
    case VK_HOME: MoveTo(0); return;
    case VK_END: MoveTo(last); return;
    case VK_SPACE:
        if (m_checkStyle && AutoCheck())
            ToggleCheck(m_caret);
        return;
    default: return;
    }
}

void ListBoxControl::OnScroll(UINT code)
{
    const int page = std::max(1, VisibleRows() - 1);
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(m_hwnd, SB_VERT, &info);
    switch (code) {
    case SB_LINEUP: SetTop(m_top - 1); break;
    case SB_LINEDOWN: SetTop(m_top + 1); break;
    case SB_PAGEUP: SetTop(m_top - page); break;
    case SB_PAGEDOWN: SetTop(m_top + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTop(info.nTrackPos); break;
    case SB_TOP: SetTop(0); break;
    case SB_BOTTOM: SetTop(m_items.Count()); break;
    default: break;
    }
}

int ListBoxControl::VisibleRows() const { return std::max(1, ClientRect().Height() / std::max(1, ItemHeight())); }

int ListBoxControl::ItemAt(CPoint point) const
{
    if (!ClientRect().PtInRect(point))
        return -1;
    const int index = m_top + point.y / std::max(1, ItemHeight());
    return m_items.Valid(index) ? index : -1;
}

void ListBoxControl::SetTop(int top)
{
    top = std::clamp(top, 0, std::max(0, m_items.Count() - VisibleRows()));
    if (top == m_top)
        return;
    m_top = top;
    UpdateScrollBar();
    Redraw();
}

void ListBoxControl::EnsureVisible(int index)
{
    if (index < m_top)
        SetTop(index);
    else if (index >= m_top + VisibleRows())
        SetTop(index - VisibleRows() + 1);
}

void ListBoxControl::UpdateScrollBar()
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((Style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    info.nMin = 0;
    info.nMax = std::max(0, m_items.Count() - 1);
    info.nPage = UINT(VisibleRows());
    info.nPos = m_top;
    if (m_scrollable)
        SetScrollInfo(m_hwnd, SB_VERT, &info, TRUE);
}

void ListBoxControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(Enabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    const int height = ItemHeight();
    for (int i = m_top, y = 0; i < m_items.Count() && y < client.bottom; ++i, y += height)
        PaintItem(dc, i, CRect(0, y, client.right, y + height));
}

void ListBoxControl::PaintItem(CDC& dc, int index, const CRect& row) const
{
    const ListItem& item = m_items.At(index);
    CRect text = row;
    text.left += kTextMargin;
    if (m_checkStyle) {
        DrawCheckBox(dc, CPoint(row.left + 1, row.top + (row.Height() - kCheckBoxSize) / 2), item.check,
                     Enabled() && item.enabled);
        text.left = row.left + kCheckBoxSize + kTextMargin + 2;
    }
    const BOOL selected = index == m_selection;
    if (selected) {
        CRect band = text;
        band.left -= 1;
        dc.FillSolidRect(&band, GetSysColor(COLOR_HIGHLIGHT));
    }
    const BOOL grey = !Enabled() || !item.enabled;
    dc.SetTextColor(GetSysColor(grey ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc.DrawText(item.text.c_str(), int(item.text.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (index == m_caret && HasFocus()) {
        CRect focus = text;
        focus.left -= 1;
        dc.DrawFocusRect(&focus);
    }
}

} // namespace platform
