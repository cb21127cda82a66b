#include "TreeCtrl.h"

#include <cstring>

#include "../gdi/ImageList.h"
#include "ControlState.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

LPARAM Item(HTREEITEM item) { return reinterpret_cast<LPARAM>(item); }
HTREEITEM ItemOf(LRESULT result) { return reinterpret_cast<HTREEITEM>(result); }

} // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "SysTreeView32", "", style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT insert) { return ItemOf(SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(insert))); }

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                                LPARAM lParam, HTREEITEM parent, HTREEITEM insertAfter)
{
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = mask;
    insert.item.pszText = const_cast<LPSTR>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, insertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent, insertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) { return BOOL(SendMessage(TVM_DELETEITEM, 0, Item(item))); }
BOOL CTreeCtrl::DeleteAllItems() { return BOOL(SendMessage(TVM_DELETEITEM, 0, Item(TVI_ROOT))); }
BOOL CTreeCtrl::GetItem(TVITEM* item) const { return BOOL(SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(item))); }
BOOL CTreeCtrl::SetItem(TVITEM* item) { return BOOL(SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(item))); }

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    // Long enough for any text the tree shows; longer texts come back cut.
    char buffer[1024] = {};
    TVITEM record;
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = buffer;
    record.cchTextMax = int(sizeof buffer);
    return GetItem(&record) ? CString(buffer) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    TVITEM record;
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = const_cast<LPSTR>(text);
    return SetItem(&record);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEM record;
    record.mask = TVIF_PARAM;
    record.hItem = item;
    return GetItem(&record) ? DWORD_PTR(record.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEM record;
    record.mask = TVIF_PARAM;
    record.hItem = item;
    record.lParam = LPARAM(data);
    return SetItem(&record);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    TVITEM record;
    record.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    record.hItem = item;
    if (!GetItem(&record))
        return FALSE;
    image = record.iImage;
    selectedImage = record.iSelectedImage;
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT stateMask) const
{
    TVITEM record;
    record.mask = TVIF_STATE;
    record.hItem = item;
    record.stateMask = stateMask;
    return GetItem(&record) ? record.state & stateMask : 0;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    TVITEM record;
    record.mask = TVIF_CHILDREN;
    record.hItem = item;
    return GetItem(&record) && record.cChildren > 0;
}

UINT CTreeCtrl::GetCount() const { return UINT(SendMessage(TVM_GETCOUNT)); }
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const { return ItemOf(SendMessage(TVM_GETNEXTITEM, code, Item(item))); }
HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
BOOL CTreeCtrl::SelectItem(HTREEITEM item) { return BOOL(SendMessage(TVM_SELECTITEM, TVGN_CARET, Item(item))); }
BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) { return BOOL(SendMessage(TVM_EXPAND, code, Item(item))); }
BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) { return BOOL(SendMessage(TVM_ENSUREVISIBLE, 0, Item(item))); }

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TVHITTESTINFO hit;
    hit.pt = point;
    const HTREEITEM item = ItemOf(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const
{
    if (!rect)
        return FALSE;
    std::memcpy(static_cast<void*>(rect), &item, sizeof item);
    return BOOL(SendMessage(TVM_GETITEMRECT, WPARAM(textOnly), reinterpret_cast<LPARAM>(rect)));
}

UINT CTreeCtrl::GetIndent() const { return UINT(SendMessage(TVM_GETINDENT)); }
void CTreeCtrl::SetIndent(UINT indent) { SendMessage(TVM_SETINDENT, WPARAM(indent)); }

CImageList* CTreeCtrl::SetImageList(CImageList* images, int kind)
{
    SendMessage(TVM_SETIMAGELIST, WPARAM(kind), reinterpret_cast<LPARAM>(images ? images->GetSafeHandle() : nullptr));
    return nullptr;
}
