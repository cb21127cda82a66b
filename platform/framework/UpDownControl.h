// The "msctls_updown32" class: a pair of arrows that step a position within a range, usually
// attached to an edit (its buddy) whose text shows the position. The parent hears UDN_DELTAPOS
// before a step (and may refuse it) and WM_VSCROLL, or WM_HSCROLL, with SB_THUMBPOSITION after.
#pragma once

#include <optional>
#include <string>

#include "ControlState.h"

namespace platform {

class UpDownControl : public ControlState {
public:
    explicit UpDownControl(HWND hwnd) : ControlState(hwnd) {}

    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    int Position() const { return m_pos; }
    HWND Buddy() const { return m_buddy; }
    // The number the buddy's text gives: none when it is not a whole number (thousands
    // separators allowed unless UDS_NOTHOUSANDS) within the range.
    std::optional<int> BuddyValue() const;

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class Half { None, Up, Down };

    BOOL HandlePositionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void AttachBuddy(HWND buddy);
    void AlignWithBuddy() const;
    // The position clamped to the range; the buddy shows it. Returns the old position.
    int SetPosition(int position);
    int GetPosition(BOOL* error);
    // What a click on an arrow does: the buddy's number is taken first, then the position
    // moves one step towards the upper or lower end of the range.
    void Step(BOOL up);
    std::string Format(int value) const;
    Half HalfAt(CPoint point) const;
    CRect HalfRect(Half half) const;
    void Paint();

    int m_lower = 100; // the window system's default range runs from 100 down to 0
    int m_upper = 0;
    int m_pos = 0;
    int m_base = 10;
    HWND m_buddy = nullptr;
    Half m_pressed = Half::None;
};

} // namespace platform
