// Where input goes and what it has left behind: the focus, active and capture windows, the
// pointer and its confinement, the current cursor, and the state of every key and button.
#pragma once

#include <array>
#include <optional>

#include "WinTypes.h"

namespace platform {

class InputState {
public:
    static InputState& Instance();
    void Reset();

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HCURSOR cursor = nullptr;
    CPoint pointer;
    std::optional<CRect> confinement;

    BOOL IsKeyDown(int virtualKey) const;
    BOOL IsKeyToggled(int virtualKey) const;
    void SetKey(int virtualKey, BOOL down);
    // Modifiers given with a pointer event count as held while that event is delivered.
    void SetTransientModifiers(UINT mkFlags) { m_transient = mkFlags; }
    // The MK_ flags of the buttons and modifiers held now.
    UINT MouseKeyFlags() const;
    CPoint Confine(CPoint point) const;

private:
    std::array<BYTE, 256> m_keys{};
    UINT m_transient = 0;
};

} // namespace platform
