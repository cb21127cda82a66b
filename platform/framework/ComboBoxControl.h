// The "ComboBox" class: a selection field with a list that drops down. CBS_DROPDOWN gives the
// field an edit control (id 1001) in which any text may be typed; CBS_DROPDOWNLIST shows the
// selected item only. The window is as tall as its field; the height it was made with is the
// room for the dropped list. The parent hears CBN_SELCHANGE, CBN_EDITCHANGE, CBN_SETFOCUS,
// CBN_KILLFOCUS, CBN_DROPDOWN, CBN_CLOSEUP and CBN_SELENDOK / CBN_SELENDCANCEL.
#pragma once

#include "ControlState.h"
#include "ItemList.h"

namespace platform {

class ComboBoxControl : public ControlState {
public:
    static constexpr int kEditId = 1001;

    explicit ComboBoxControl(HWND hwnd) : ControlState(hwnd) {}

    const ItemList& Items() const { return m_items; }
    int Selection() const { return m_selection; }
    int HotItem() const { return m_hot; }
    int ItemHeight() const;
    BOOL HasEdit() const { return IsWindow(m_edit); }

    // Called by the dropped list.
    void SetHotItem(int index);
    void CloseDropDown(BOOL accept);

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT Kind() const { return UINT(Style() & 3); }
    BOOL HandleItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleSelectionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleFocusAndInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnCreate(const CREATESTRUCT* cs);
    void OnEditNotification(UINT code);
    LRESULT CopyText(int index, char* buffer) const;
    std::string FieldText() const;
    LRESULT GetText(WPARAM size, char* buffer) const;
    LRESULT SetText(const char* text);
    void ShowText(const std::string& text);

    BOOL SetSelection(int index);
    // A choice of the user's: the selection moves and the parent hears CBN_SELCHANGE.
    void SelectByUser(int index);
    BOOL OnKey(UINT key);
    void ShowDropDown(BOOL show);
    CRect DroppedRectOnScreen() const;

    int FieldHeight() const;
    int WindowWidth() const;
    CRect ButtonRect() const;
    void Layout();
    void Paint();

    ItemList m_items;
    int m_selection = -1;
    int m_hot = -1;
    HWND m_edit = nullptr;
    HWND m_dropList = nullptr;
    int m_droppedHeight = 0;
    BOOL m_settingText = FALSE; // the edit's text is being set by the combo, not typed
    BOOL m_focusWithin = FALSE;
};

// The dropped list of a combo box ("ComboLBox"): shown under the field without taking the
// activation, it holds the pointer capture while it is open.
class ComboListControl : public ControlState {
public:
    explicit ComboListControl(HWND hwnd) : ControlState(hwnd) {}

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ComboBoxControl* Combo() const { return FindControlState<ComboBoxControl>(m_combo); }
    int ItemAt(CPoint point) const;
    void Paint();

    HWND m_combo = nullptr;
    int m_top = 0;
};

} // namespace platform
