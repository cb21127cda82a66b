// The "Edit" class: a single-line edit control with a selection and a caret, keyboard and
// pointer editing, the clipboard, digits-only and upper- or lower-case styles, alignment and
// horizontal scrolling. It tells its parent EN_SETFOCUS, EN_KILLFOCUS, EN_UPDATE, EN_CHANGE and
// EN_MAXTEXT.
#pragma once

#include "ControlState.h"
#include "EditBuffer.h"

namespace platform {

// Sent to an edit to name the window that may take its Up, Down, Page and F4 keys (an up-down
// control with arrow keys, a combo box around the edit); wParam is that window.
inline constexpr UINT kSetKeyPartner = WM_USER + 0x70C;

class EditControl : public ControlState {
public:
    static constexpr int kMargin = 2;

    explicit EditControl(HWND hwnd) : ControlState(hwnd) {}
    const EditBuffer& Buffer() const { return m_buffer; }

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleInputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void SetText(const char* text);
    void SetSelection(int start, int end);
    void OnChar(UINT ch);
    BOOL OnControlCharacter(UINT ch);
    void OnKeyDown(UINT key);
    void MoveCaretByKey(UINT key, BOOL shift, BOOL control);
    void OnButtonDown(CPoint point, BOOL doubleClick);
    void OnPointerMove(CPoint point);

    // A user's insertion: filtered by the case styles, held to the limit and, without automatic
    // scrolling, to the width of the control. FALSE when nothing changed.
    BOOL Insert(std::string_view text);
    std::string ApplyCase(std::string_view text) const;
    void Copy() const;
    void Cut();
    void Paste();
    // After the text changed: scrolls the caret into view, repaints, keeps the window text and
    // tells the parent.
    void Changed();

    int VisibleWidth() const;
    int TextOrigin(const TextMeasure& measure) const;
    int IndexAt(int x) const;
    void ScrollCaretIntoView();
    void Paint();

    EditBuffer m_buffer;
    int m_scroll = 0; // pixels of text scrolled out on the left
    BOOL m_modified = FALSE;
    BOOL m_selecting = FALSE;
    HWND m_partner = nullptr;
};

} // namespace platform
