// The tree control's rows: which items show, where each lies, what a point hits, scrolling and
// painting.
#include <algorithm>

#include "../gdi/SysColors.h"
#include "TreeViewControl.h"

namespace platform {

namespace {

constexpr int kButtonSize = 9;
constexpr int kLabelPadding = 2;

} // namespace

std::vector<std::pair<HTREEITEM, int>> TreeViewControl::VisibleItems() const
{
    std::vector<std::pair<HTREEITEM, int>> rows;
    // Depth-first, children after their expanded parent.
    std::vector<std::pair<HTREEITEM, int>> pending;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it)
        pending.emplace_back(*it, 0);
    while (!pending.empty()) {
        const auto [handle, depth] = pending.back();
        pending.pop_back();
        rows.emplace_back(handle, depth);
        const Item* item = Find(handle);
        if (!item || !(item->state & TVIS_EXPANDED))
            continue;
        for (auto it = item->children.rbegin(); it != item->children.rend(); ++it)
            pending.emplace_back(*it, depth + 1);
    }
    return rows;
}

int TreeViewControl::RowOf(HTREEITEM handle) const
{
    const auto rows = VisibleItems();
    const auto at = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.first == handle; });
    return at == rows.end() ? -1 - m_scroll : int(at - rows.begin()) - m_scroll;
}

int TreeViewControl::Indent(int depth) const
{
    const BOOL atRoot = (Style() & TVS_LINESATROOT) && (Style() & (TVS_HASLINES | TVS_HASBUTTONS));
    return (depth + (atRoot ? 1 : 0)) * m_indent + 2;
}

BOOL TreeViewControl::HasButton(HTREEITEM handle) const
{
    const Item* item = Find(handle);
    return item && (Style() & TVS_HASBUTTONS) && (!item->children.empty() || item->childrenFlag > 0) &&
           (item->parent || (Style() & TVS_LINESATROOT));
}

CRect TreeViewControl::LabelRect(HTREEITEM handle, int row, int depth) const
{
    const Item* item = Find(handle);
    if (!depth)
        for (HTREEITEM up = item ? item->parent : nullptr; up; up = Find(up)->parent)
            ++depth;
    const int top = row * RowHeight();
    const int left = Indent(depth);
    const int width = TextMeasure(Font()).Width(item ? item->text : std::string()) + 2 * kLabelPadding;
    return CRect(left, top, left + width, top + RowHeight());
}

HTREEITEM TreeViewControl::ItemAt(CPoint point, BOOL* onButton) const
{
    if (onButton)
        *onButton = FALSE;
    if (!ClientRect().PtInRect(point))
        return nullptr;
    const auto rows = VisibleItems();
    const int index = m_scroll + point.y / RowHeight();
    if (index < 0 || index >= int(rows.size()))
        return nullptr;
    const auto [handle, depth] = rows[std::size_t(index)];
    const int buttonRight = Indent(depth) - 2;
    if (onButton && HasButton(handle) && point.x >= buttonRight - m_indent && point.x < buttonRight)
        *onButton = TRUE;
    return handle;
}

void TreeViewControl::SetScroll(int row)
{
    const int rows = int(VisibleItems().size());
    const int shown = std::max(1, ClientRect().Height() / RowHeight());
    row = std::clamp(row, 0, std::max(0, rows - shown));
    if (row == m_scroll)
        return;
    m_scroll = row;
    UpdateScrollBar();
    Redraw();
}

void TreeViewControl::UpdateScrollBar()
{
    if (!m_scrollable)
        return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, int(VisibleItems().size()) - 1);
    info.nPage = UINT(std::max(1, ClientRect().Height() / RowHeight()));
    info.nPos = m_scroll;
    SetScrollInfo(m_hwnd, SB_VERT, &info, TRUE);
}

void TreeViewControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const auto rows = VisibleItems();
    const BOOL focused = HasFocus();
    for (int i = m_scroll; i < int(rows.size()); ++i) {
        const auto [handle, depth] = rows[std::size_t(i)];
        const CRect label = LabelRect(handle, i - m_scroll, depth);
        if (label.top >= client.bottom)
            break;
        const Item& item = *Find(handle);
        if (HasButton(handle)) {
            const int right = Indent(depth) - 2;
            const CRect box(right - m_indent / 2 - kButtonSize / 2 - 1, label.top + (label.Height() - kButtonSize) / 2,
                            right - m_indent / 2 + kButtonSize / 2, label.top + (label.Height() + kButtonSize) / 2);
            dc.FillSolidRect(&box, GetSysColor(COLOR_WINDOW));
            dc.Draw3dRect(&box, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
            const CPoint middle = box.CenterPoint();
            dc.FillSolidRect(box.left + 2, middle.y, box.Width() - 4, 1, GetSysColor(COLOR_WINDOWTEXT));
            if (!(item.state & TVIS_EXPANDED))
                dc.FillSolidRect(middle.x, box.top + 2, 1, box.Height() - 4, GetSysColor(COLOR_WINDOWTEXT));
        }
        const BOOL selected = handle == m_selected;
        if (selected && (focused || (Style() & TVS_SHOWSELALWAYS)))
            dc.FillSolidRect(&label, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        dc.SetTextColor(GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        CRect text = label;
        text.left += kLabelPadding;
        dc.DrawText(item.text.c_str(), int(item.text.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (selected && focused) {
            CRect focus = label;
            dc.DrawFocusRect(&focus);
        }
    }
}

} // namespace platform
