// The "SysTreeView32" class: items in a tree, each with text, pictures, state and item data,
// shown indented under their parents while the parents are expanded; one item is selected,
// which the parent hears as TVN_SELCHANGING (which may refuse it) and TVN_SELCHANGED.
#pragma once

#include <unordered_map>
#include <vector>

#include "ControlState.h"
#include "ControlTypes.h"

namespace platform {

class TreeViewControl : public ControlState {
public:
    struct Item {
        HTREEITEM parent = nullptr; // null for a root item
        std::vector<HTREEITEM> children;
        std::string text;
        int image = 0;
        int selectedImage = 0;
        UINT state = 0;
        LPARAM data = 0;
        int childrenFlag = 0; // TVIF_CHILDREN: 1 shows a button before children are added
    };

    explicit TreeViewControl(HWND hwnd) : ControlState(hwnd) {}

    const Item* Find(HTREEITEM item) const;
    HTREEITEM Selected() const { return m_selected; }
    // The items shown now, top to bottom, with their depth.
    std::vector<std::pair<HTREEITEM, int>> VisibleItems() const;
    int RowHeight() const;

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    Item* Find(HTREEITEM item);
    std::vector<HTREEITEM>& SiblingsOf(HTREEITEM parent);
    HTREEITEM Insert(const TVINSERTSTRUCT& insert);
    void Delete(HTREEITEM item);
    BOOL GetItem(TVITEM& item) const;
    BOOL SetItem(const TVITEM& item);
    HTREEITEM Next(UINT code, HTREEITEM item) const;
    HTREEITEM Sibling(HTREEITEM item, int step) const;
    BOOL Expand(HTREEITEM item, UINT code);
    BOOL Select(HTREEITEM item, UINT action);
    void EnsureVisible(HTREEITEM item);
    void OnKeyDown(UINT key);
    void OnButtonDown(CPoint point, BOOL doubleClick);

    // Row geometry: where the row of a shown item lies and where its button and label begin.
    int RowOf(HTREEITEM item) const;
    int Indent(int depth) const;
    CRect LabelRect(HTREEITEM item, int row, int depth) const;
    HTREEITEM ItemAt(CPoint point, BOOL* onButton) const;
    BOOL HasButton(HTREEITEM item) const;
    void SetScroll(int row);
    void UpdateScrollBar();
    void Paint();

    std::unordered_map<HTREEITEM, Item> m_items;
    std::vector<HTREEITEM> m_roots;
    HTREEITEM m_selected = nullptr;
    int m_scroll = 0; // rows scrolled out at the top
    int m_indent = 19;
    HIMAGELIST m_images = nullptr;
    BOOL m_scrollable = FALSE;
};

} // namespace platform
