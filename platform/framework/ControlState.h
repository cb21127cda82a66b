// The machinery behind the framework's control classes ("Edit", "Button", "ComboBox", ...).
// As with the window system's own controls, a control's behaviour lives in its window class's
// procedure, not in a C++ object: the procedure keeps a ControlState per window, made on
// WM_NCCREATE and let go after WM_NCDESTROY. The CEdit, CButton, ... classes only send messages,
// so any CWnd can be attached to a control window without losing what the control holds.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "../gdi/DC.h"
#include "../win/WinApi.h"
#include "../win/Wnd.h"
#include "ControlConstants.h"

namespace platform {

// Messages that the framework's controls send one another. A class may define messages of its
// own from WM_USER on; these lie far above the ones the controls answer publicly.
inline constexpr UINT kPartnerKey = WM_USER + 0x700;          // wParam: a virtual key; TRUE when taken
inline constexpr UINT kPartnerWantsAllKeys = WM_USER + 0x701; // TRUE while Enter and Escape are the partner's
inline constexpr UINT kUserToggleItem = WM_USER + 0x702;      // list box: toggle item wParam as a click on its box
inline constexpr UINT kUserSetItemCheck = WM_USER + 0x703;    // list box: item wParam to check lParam, as the user
inline constexpr UINT kUserPickItem = WM_USER + 0x704;        // combo box: pick item wParam from the list
inline constexpr UINT kUserStep = WM_USER + 0x705;            // up-down: wParam 1 up, 0 down, as an arrow click
inline constexpr UINT kListSetCheckStyle = WM_USER + 0x706;   // list box: check boxes of style wParam (0: none)
inline constexpr UINT kListGetCheckStyle = WM_USER + 0x707;
inline constexpr UINT kListSetCheck = WM_USER + 0x708;        // wParam item, lParam check
inline constexpr UINT kListGetCheck = WM_USER + 0x709;
inline constexpr UINT kListEnableItem = WM_USER + 0x70A;      // wParam item, lParam enabled
inline constexpr UINT kListIsItemEnabled = WM_USER + 0x70B;

class ControlState {
public:
    explicit ControlState(HWND hwnd) : m_hwnd(hwnd) {}
    virtual ~ControlState() = default;
    ControlState(const ControlState&) = delete;
    ControlState& operator=(const ControlState&) = delete;

    // Keeps the font for every control, then hands the message to Handle.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Hwnd() const { return m_hwnd; }
    // The font set with WM_SETFONT, or the default GUI font.
    HFONT Font() const;

protected:
    virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
    DWORD Style() const;
    int Id() const;
    HWND Parent() const;
    BOOL Alive() const { return IsWindow(m_hwnd); }
    BOOL Enabled() const { return IsWindowEnabled(m_hwnd); }
    BOOL HasFocus() const { return GetFocus() == m_hwnd; }
    CRect ClientRect() const;
    std::string WindowText() const;
    void Redraw() const { InvalidateRect(m_hwnd, nullptr, TRUE); }
    // WM_COMMAND with the control's id and the code, to the parent.
    void NotifyParent(UINT code) const;
    // WM_NOTIFY to the parent; the header's sender fields are filled in.
    LRESULT NotifyParent(NMHDR& header, UINT code) const;

    HWND m_hwnd;

private:
    HFONT m_font = nullptr;
};

// The state of a window if it is a control of that kind; null otherwise.
ControlState* FindControlState(HWND hwnd);
template <class State>
State* FindControlState(HWND hwnd)
{
    return dynamic_cast<State*>(FindControlState(hwnd));
}

namespace detail {
void AdoptControlState(HWND hwnd, std::unique_ptr<ControlState> state);
// The state stays alive until no control procedure is running, so a control that is destroyed
// while it handles a message can still unwind through its own members.
void ReleaseControlState(HWND hwnd);
struct ControlCallDepth {
    ControlCallDepth();
    ~ControlCallDepth();
};
} // namespace detail

template <class State>
LRESULT ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    detail::ControlCallDepth depth;
    if (message == WM_NCCREATE && !FindControlState(hwnd))
        detail::AdoptControlState(hwnd, std::make_unique<State>(hwnd));
    ControlState* state = FindControlState(hwnd);
    if (!state)
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    const LRESULT result = state->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        detail::ReleaseControlState(hwnd);
    return result;
}

// The top-level window that a window belongs to (itself when it is one).
HWND TopLevelWindowOf(HWND hwnd);

// Registers the control classes; done once when the library loads and again after anyone
// unregistered them.
PLATFORM_API void RegisterControlClasses();
// Creates the window of a control object: a child of the parent, of one of the classes above.
BOOL CreateControlWindow(CWnd& control, const char* className, LPCTSTR text, DWORD style, const RECT& rect,
                         CWnd* parent, UINT id);

// A control object that wants to know when it is attached to an existing control window
// (DDX_Control, SubclassControl), as it is told when it creates one.
class AttachedControl {
public:
    virtual ~AttachedControl() = default;
    virtual void OnAttached() = 0;
};
// Gives a control window the object: an object that the dialog builder made for the window is
// let go. FALSE when the window already belongs to another object of its own.
PLATFORM_API BOOL SubclassControl(CWnd& object, HWND hwnd);

// A paint of a control: BeginPaint's context with the control's font, transparent text and
// the window text colour, given back with EndPaint.
class ControlPaint {
public:
    ControlPaint(HWND hwnd, HFONT font);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;
    CDC& Dc() { return *m_dc; }
    BOOL Ok() const { return m_dc != nullptr; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint;
    CDC* m_dc = nullptr;
    int m_saved = 0;
};

// Text measured in a font without a window.
class TextMeasure {
public:
    explicit TextMeasure(HFONT font);
    int Width(std::string_view text) const;
    int LineHeight() const;
    CDC& Dc() { return m_dc; }

private:
    mutable CDC m_dc;
};

} // namespace platform
