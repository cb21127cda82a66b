// The tree control: item messages, selection and expansion with their notifications, keyboard
// and pointer, scrolling and painting.
#include "TreeViewControl.h"

#include <algorithm>
#include <cstring>

#include "../gdi/SysColors.h"
#include "../win/SystemMetrics.h"
#include "ItemList.h"

namespace platform {

namespace {

// Handles are numbers that are never reused, far below the special TVI_ values.
HTREEITEM NewHandle()
{
    static uintptr_t next = 0x1000;
    return reinterpret_cast<HTREEITEM>(next++);
}

constexpr int kButtonSize = 9;

TVITEM Describe(HTREEITEM handle, const TreeViewControl::Item* item)
{
    TVITEM record;
    record.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    record.hItem = handle;
    if (item) {
        record.state = item->state;
        record.lParam = item->data;
    }
    return record;
}

} // namespace

const TreeViewControl::Item* TreeViewControl::Find(HTREEITEM item) const
{
    auto it = m_items.find(item);
    return it == m_items.end() ? nullptr : &it->second;
}

TreeViewControl::Item* TreeViewControl::Find(HTREEITEM item)
{
    auto it = m_items.find(item);
    return it == m_items.end() ? nullptr : &it->second;
}

std::vector<HTREEITEM>& TreeViewControl::SiblingsOf(HTREEITEM parent)
{
    Item* item = Find(parent);
    return item ? item->children : m_roots;
}

int TreeViewControl::RowHeight() const { return std::max(16, TextMeasure(Font()).LineHeight() + 2); }

LRESULT TreeViewControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleItemMessage(message, wParam, lParam, result))
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
    case WM_DESTROY:
        Delete(TVI_ROOT);
        return Default(message, wParam, lParam);
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE:
        UpdateScrollBar();
        return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

BOOL TreeViewControl::HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto item = reinterpret_cast<HTREEITEM>(lParam);
    switch (message) {
    case TVM_INSERTITEM:
        result = lParam ? reinterpret_cast<LRESULT>(Insert(*reinterpret_cast<const TVINSERTSTRUCT*>(lParam))) : 0;
        return TRUE;
    case TVM_DELETEITEM:
        result = !item || item == TVI_ROOT || Find(item);
        Delete(item ? item : TVI_ROOT);
        return TRUE;
    case TVM_EXPAND: result = Expand(item, UINT(wParam)); return TRUE;
    case TVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        HTREEITEM wanted = nullptr;
        if (rect)
            std::memcpy(&wanted, rect, sizeof wanted);
        const int row = RowOf(wanted);
        result = row >= 0;
        if (result && rect) {
            const CRect label = LabelRect(wanted, row, 0);
            *rect = wParam ? label : CRect(0, label.top, ClientRect().right, label.bottom);
        }
        return TRUE;
    }
    case TVM_GETCOUNT: result = LRESULT(m_items.size()); return TRUE;
    case TVM_GETINDENT: result = m_indent; return TRUE;
    case TVM_SETINDENT: m_indent = std::max(int(wParam), kButtonSize + 4); Redraw(); return TRUE;
    case TVM_GETIMAGELIST: result = reinterpret_cast<LRESULT>(m_images); return TRUE;
    case TVM_SETIMAGELIST:
        result = reinterpret_cast<LRESULT>(m_images);
        m_images = reinterpret_cast<HIMAGELIST>(lParam);
        return TRUE;
    case TVM_GETNEXTITEM: result = reinterpret_cast<LRESULT>(Next(UINT(wParam), item)); return TRUE;
    case TVM_SELECTITEM:
        if (wParam == TVGN_FIRSTVISIBLE) {
            EnsureVisible(item);
            SetScroll(RowOf(item) + m_scroll);
            result = TRUE;
        } else {
            result = Select(item, TVC_UNKNOWN);
        }
        return TRUE;
    case TVM_GETITEM: result = lParam && GetItem(*reinterpret_cast<TVITEM*>(lParam)); return TRUE;
    case TVM_SETITEM: result = lParam && SetItem(*reinterpret_cast<const TVITEM*>(lParam)); return TRUE;
    case TVM_HITTEST: {
        auto* hit = reinterpret_cast<TVHITTESTINFO*>(lParam);
        BOOL onButton = FALSE;
        result = hit ? reinterpret_cast<LRESULT>(hit->hItem = ItemAt(hit->pt, &onButton)) : 0;
        if (hit)
            hit->flags = !hit->hItem ? TVHT_NOWHERE : onButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMLABEL;
        return TRUE;
    }
    case TVM_ENSUREVISIBLE: EnsureVisible(item); result = TRUE; return TRUE;
    default: return FALSE;
    }
}

BOOL TreeViewControl::HandleInput(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const int page = std::max(1, ClientRect().Height() / RowHeight() - 1);
    switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(point, FALSE); return TRUE;
    case WM_LBUTTONDBLCLK: OnButtonDown(point, TRUE); return TRUE;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Redraw(); return TRUE;
    case WM_MOUSEWHEEL:
        SetScroll(m_scroll - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * int(DesktopSettings::Instance().WheelScrollLines()));
        return TRUE;
    case WM_VSCROLL:
        switch (LOWORD(wParam)) {
        case SB_LINEUP: SetScroll(m_scroll - 1); break;
        case SB_LINEDOWN: SetScroll(m_scroll + 1); break;
        case SB_PAGEUP: SetScroll(m_scroll - page); break;
        case SB_PAGEDOWN: SetScroll(m_scroll + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(m_hwnd, SB_VERT, &info);
            SetScroll(info.nTrackPos);
            break;
        }
        default: break;
        }
        return TRUE;
    default: return FALSE;
    }
}

HTREEITEM TreeViewControl::Insert(const TVINSERTSTRUCT& insert)
{
    const HTREEITEM parent = insert.hParent == TVI_ROOT ? nullptr : insert.hParent;
    if (parent && !Find(parent))
        return nullptr;
    Item item;
    item.parent = parent;
    const TVITEM& source = insert.item;
    if ((source.mask & TVIF_TEXT) && source.pszText && reinterpret_cast<intptr_t>(source.pszText) != -1)
        item.text = source.pszText;
    if (source.mask & TVIF_IMAGE)
        item.image = source.iImage;
    if (source.mask & TVIF_SELECTEDIMAGE)
        item.selectedImage = source.iSelectedImage;
    if (source.mask & TVIF_STATE)
        item.state = source.state & source.stateMask & ~UINT(TVIS_SELECTED);
    if (source.mask & TVIF_PARAM)
        item.data = source.lParam;
    if (source.mask & TVIF_CHILDREN)
        item.childrenFlag = source.cChildren;

    const HTREEITEM handle = NewHandle();
    std::vector<HTREEITEM>& siblings = SiblingsOf(parent);
    auto at = siblings.end();
    if (insert.hInsertAfter == TVI_FIRST) {
        at = siblings.begin();
    } else if (insert.hInsertAfter == TVI_SORT) {
        at = std::find_if(siblings.begin(), siblings.end(),
                          [&](HTREEITEM other) { return CompareItemText(item.text, Find(other)->text) < 0; });
    } else if (auto after = std::find(siblings.begin(), siblings.end(), insert.hInsertAfter); after != siblings.end()) {
        at = after + 1;
    }
    siblings.insert(at, handle);
    m_items.emplace(handle, std::move(item));
    UpdateScrollBar();
    Redraw();
    return handle;
}

void TreeViewControl::Delete(HTREEITEM handle)
{
    if (handle == TVI_ROOT) {
        const std::vector<HTREEITEM> roots = m_roots;
        for (HTREEITEM root : roots)
            Delete(root);
        return;
    }
    Item* item = Find(handle);
    if (!item)
        return;
    const std::vector<HTREEITEM> children = item->children;
    for (HTREEITEM child : children)
        Delete(child);
    if (!(item = Find(handle)))
        return;
    std::erase(SiblingsOf(item->parent), handle);
    if (m_selected == handle)
        m_selected = nullptr;
    NMTREEVIEW gone;
    gone.itemOld = Describe(handle, item);
    m_items.erase(handle);
    if (Alive())
        NotifyParent(gone.hdr, TVN_DELETEITEM);
    UpdateScrollBar();
    Redraw();
}

BOOL TreeViewControl::GetItem(TVITEM& record) const
{
    const Item* item = Find(record.hItem);
    if (!item)
        return FALSE;
    if ((record.mask & TVIF_TEXT) && record.pszText && record.cchTextMax > 0) {
        const std::size_t n = std::min<std::size_t>(item->text.size(), std::size_t(record.cchTextMax) - 1);
        std::memcpy(record.pszText, item->text.data(), n);
        record.pszText[n] = '\0';
    }
    if (record.mask & TVIF_IMAGE)
        record.iImage = item->image;
    if (record.mask & TVIF_SELECTEDIMAGE)
        record.iSelectedImage = item->selectedImage;
    if (record.mask & TVIF_STATE)
        record.state = item->state & (record.stateMask ? record.stateMask : ~0u);
    if (record.mask & TVIF_PARAM)
        record.lParam = item->data;
    if (record.mask & TVIF_CHILDREN)
        record.cChildren = item->children.empty() ? item->childrenFlag : 1;
    return TRUE;
}

BOOL TreeViewControl::SetItem(const TVITEM& record)
{
    Item* item = Find(record.hItem);
    if (!item)
        return FALSE;
    if ((record.mask & TVIF_TEXT) && record.pszText)
        item->text = record.pszText;
    if (record.mask & TVIF_IMAGE)
        item->image = record.iImage;
    if (record.mask & TVIF_SELECTEDIMAGE)
        item->selectedImage = record.iSelectedImage;
    if (record.mask & TVIF_STATE)
        item->state = (item->state & ~record.stateMask) | (record.state & record.stateMask);
    if (record.mask & TVIF_PARAM)
        item->data = record.lParam;
    if (record.mask & TVIF_CHILDREN)
        item->childrenFlag = record.cChildren;
    Redraw();
    return TRUE;
}

HTREEITEM TreeViewControl::Sibling(HTREEITEM handle, int step) const
{
    const Item* item = Find(handle);
    if (!item)
        return nullptr;
    const Item* parent = Find(item->parent);
    const std::vector<HTREEITEM>& siblings = parent ? parent->children : m_roots;
    const auto at = std::find(siblings.begin(), siblings.end(), handle) - siblings.begin() + step;
    return at >= 0 && at < std::ptrdiff_t(siblings.size()) ? siblings[std::size_t(at)] : nullptr;
}

HTREEITEM TreeViewControl::Next(UINT code, HTREEITEM handle) const
{
    const Item* item = Find(handle);
    const auto visible = VisibleItems();
    const auto at = std::find_if(visible.begin(), visible.end(), [&](const auto& row) { return row.first == handle; });
    switch (code) {
    case TVGN_ROOT: return m_roots.empty() ? nullptr : m_roots.front();
    case TVGN_NEXT: return Sibling(handle, 1);
    case TVGN_PREVIOUS: return Sibling(handle, -1);
    case TVGN_PARENT: return item ? item->parent : nullptr;
    case TVGN_CHILD:
        if (!handle || handle == TVI_ROOT)
            return m_roots.empty() ? nullptr : m_roots.front();
        return item && !item->children.empty() ? item->children.front() : nullptr;
    case TVGN_CARET: return m_selected;
    case TVGN_FIRSTVISIBLE:
        return m_scroll < int(visible.size()) ? visible[std::size_t(m_scroll)].first : nullptr;
    case TVGN_NEXTVISIBLE: return at != visible.end() && at + 1 != visible.end() ? (at + 1)->first : nullptr;
    case TVGN_PREVIOUSVISIBLE: return at != visible.end() && at != visible.begin() ? (at - 1)->first : nullptr;
    default: return nullptr;
    }
}

BOOL TreeViewControl::Expand(HTREEITEM handle, UINT code)
{
    Item* item = Find(handle);
    if (!item)
        return FALSE;
    const BOOL expanded = (item->state & TVIS_EXPANDED) != 0;
    const BOOL expand = (code & TVE_TOGGLE) == TVE_TOGGLE ? !expanded : (code & TVE_EXPAND) != 0;
    if (expand == expanded)
        return FALSE;
    item->state = expand ? (item->state | TVIS_EXPANDED | TVIS_EXPANDEDONCE) : (item->state & ~UINT(TVIS_EXPANDED));
    // A collapsed item takes the selection of a descendant.
    for (HTREEITEM up = m_selected ? Find(m_selected)->parent : nullptr; !expand && up; up = Find(up)->parent)
        if (up == handle) {
            Select(handle, TVC_UNKNOWN);
            break;
        }
    UpdateScrollBar();
    Redraw();
    return TRUE;
}

BOOL TreeViewControl::Select(HTREEITEM handle, UINT action)
{
    if (handle && !Find(handle))
        return FALSE;
    if (handle == m_selected)
        return TRUE;
    NMTREEVIEW change;
    change.action = action;
    change.itemOld = Describe(m_selected, Find(m_selected));
    change.itemNew = Describe(handle, Find(handle));
    if (NotifyParent(change.hdr, TVN_SELCHANGING) || !Alive() || (handle && !Find(handle)))
        return FALSE;
    if (Item* old = Find(m_selected))
        old->state &= ~UINT(TVIS_SELECTED);
    m_selected = handle;
    if (Item* now = Find(handle))
        now->state |= TVIS_SELECTED;
    change.itemNew.state = handle ? Find(handle)->state : 0;
    EnsureVisible(handle);
    Redraw();
    NotifyParent(change.hdr, TVN_SELCHANGED);
    return TRUE;
}

void TreeViewControl::EnsureVisible(HTREEITEM handle)
{
    const Item* item = Find(handle);
    if (!item)
        return;
    for (HTREEITEM up = item->parent; up; up = Find(up)->parent)
        if (Item* ancestor = Find(up); !(ancestor->state & TVIS_EXPANDED))
            ancestor->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    UpdateScrollBar();
    const int row = RowOf(handle);
    const int rows = std::max(1, ClientRect().Height() / RowHeight());
    if (row < 0)
        SetScroll(m_scroll + row);
    else if (row >= rows)
        SetScroll(m_scroll + row - rows + 1);
}

void TreeViewControl::OnKeyDown(UINT key)
{
    const Item* item = Find(m_selected);
    HTREEITEM target = nullptr;
    switch (key) {
    case VK_UP: target = m_selected ? Next(TVGN_PREVIOUSVISIBLE, m_selected) : Next(TVGN_ROOT, nullptr); break;
    case VK_DOWN: target = m_selected ? Next(TVGN_NEXTVISIBLE, m_selected) : Next(TVGN_ROOT, nullptr); break;
    case VK_HOME: target = Next(TVGN_ROOT, nullptr); break;
    case VK_END: {
        const auto visible = VisibleItems();
        target = visible.empty() ? nullptr : visible.back().first;
        break;
    }
    case VK_RIGHT:
        if (item && !(item->state & TVIS_EXPANDED) && !item->children.empty()) {
            Expand(m_selected, TVE_EXPAND);
            return;
        }
        target = item && !item->children.empty() ? item->children.front() : nullptr;
        break;
    case VK_LEFT:
        if (item && (item->state & TVIS_EXPANDED)) {
            Expand(m_selected, TVE_COLLAPSE);
            return;
        }
        target = item ? item->parent : nullptr;
        break;
    default: return;
    }
    if (target)
        Select(target, TVC_BYKEYBOARD);
}

void TreeViewControl::OnButtonDown(CPoint point, BOOL doubleClick)
{
    if (!HasFocus())
        SetFocus(m_hwnd);
    BOOL onButton = FALSE;
    const HTREEITEM item = Alive() ? ItemAt(point, &onButton) : nullptr;
    if (!item)
        return;
    if (onButton || doubleClick)
        Expand(item, TVE_TOGGLE);
    if (!onButton)
        Select(item, TVC_BYMOUSE);
}

} // namespace platform
