// The "ListBox" class: a scrolling list of texts with item data and one selected item, sorted
// when LBS_SORT asks for it, without selection under LBS_NOSEL. Given a check style (as the
// check-list box gives it) every item carries a check box that a click on it, a double click
// or the space bar toggles; the parent hears CLBN_CHKCHANGE.
#pragma once

#include "ControlState.h"
#include "ItemList.h"

namespace platform {

class ListBoxControl : public ControlState {
public:
    explicit ListBoxControl(HWND hwnd) : ControlState(hwnd) {}

    const ItemList& Items() const { return m_items; }
    int ItemHeight() const;
    int TopIndex() const { return m_top; }

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleSelectionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleCheckMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT AddItem(const char* text, int index, BOOL sorted);
    LRESULT CopyText(int index, char* buffer) const;
    void Removed(int index);

    BOOL SetSelection(int index);
    // The user moved to an item: the caret goes there and, unless the list has no selection,
    // the selection too, which the parent hears of.
    void MoveTo(int index);
    void ToggleCheck(int index);
    void SetCheckByUser(int index, int check);
    void OnButtonDown(CPoint point, BOOL doubleClick);
    void OnKeyDown(UINT key);
    void OnScroll(UINT code);

    int VisibleRows() const;
    int ItemAt(CPoint point) const;
    void SetTop(int top);
    void EnsureVisible(int index);
    void UpdateScrollBar();
    BOOL Notifies() const { return (Style() & LBS_NOTIFY) != 0; }
    BOOL AutoCheck() const { return m_checkStyle == BS_AUTOCHECKBOX || m_checkStyle == BS_AUTO3STATE; }

    void Paint();
    void PaintItem(CDC& dc, int index, const CRect& row) const;

    ItemList m_items;
    int m_selection = -1;
    int m_caret = 0;
    int m_top = 0;
    UINT m_checkStyle = 0; // 0: no check boxes
    int m_itemHeight = 0;  // 0: from the font
    BOOL m_scrollable = FALSE; // made with WS_VSCROLL; the bar shows only while items are hidden
};

} // namespace platform
