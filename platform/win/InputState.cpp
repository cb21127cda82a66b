#include "InputState.h"

#include <algorithm>

#include "WinApi.h"

namespace platform {

InputState& InputState::Instance()
{
    static InputState& state = *new InputState;
    return state;
}

void InputState::Reset() { *this = InputState(); }

BOOL InputState::IsKeyDown(int virtualKey) const
{
    if (virtualKey < 0 || virtualKey > 255)
        return FALSE;
    if ((virtualKey == VK_SHIFT && (m_transient & MK_SHIFT)) || (virtualKey == VK_CONTROL && (m_transient & MK_CONTROL)))
        return TRUE;
    if (virtualKey == VK_SHIFT)
        return IsKeyDown(VK_LSHIFT) || IsKeyDown(VK_RSHIFT) || (m_keys[VK_SHIFT] & 0x80);
    if (virtualKey == VK_CONTROL)
        return IsKeyDown(VK_LCONTROL) || IsKeyDown(VK_RCONTROL) || (m_keys[VK_CONTROL] & 0x80);
    return (m_keys[std::size_t(virtualKey)] & 0x80) != 0;
}

BOOL InputState::IsKeyToggled(int virtualKey) const
{
    return virtualKey >= 0 && virtualKey <= 255 && (m_keys[std::size_t(virtualKey)] & 0x01);
}

void InputState::SetKey(int virtualKey, BOOL down)
{
    if (virtualKey < 0 || virtualKey > 255)
        return;
    BYTE& key = m_keys[std::size_t(virtualKey)];
    if (down && !(key & 0x80))
        key ^= 0x01;
    key = BYTE(down ? (key | 0x80) : (key & ~0x80));
}

UINT InputState::MouseKeyFlags() const
{
    UINT flags = 0;
    if (IsKeyDown(VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (IsKeyDown(VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (IsKeyDown(VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (IsKeyDown(VK_SHIFT))
        flags |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

CPoint InputState::Confine(CPoint point) const
{
    const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    CRect area = screen;
    if (confinement)
        area.IntersectRect(*confinement, screen);
    if (area.IsRectEmpty())
        return point;
    point.x = std::clamp<LONG>(point.x, area.left, area.right - 1);
    point.y = std::clamp<LONG>(point.y, area.top, area.bottom - 1);
    return point;
}

} // namespace platform
