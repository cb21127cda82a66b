// The automation driver: what tests and the host use to act as the user. Input and control
// actions are queued and delivered by the message loops in order, routed as the window system
// routes a user's input; nothing happens until a loop runs (RunUntilIdle, or a modal loop of a
// dialog, message box or drag). The driver also answers message boxes from a script, moves the
// virtual clock, finds windows, takes screenshots and keeps a log of what it did.
//
// Sections: pointer; keyboard; control actions; clock and running; message boxes; desktop
// settings; finding windows; pictures; log and clipboard.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../gdi/Surface.h"
#include "../win/InputEvent.h"
#include "../win/NonClient.h"
#include "../win/WinApi.h"

namespace platform {

class PLATFORM_API Automation {
public:
    static Automation& Instance();
    // Destroys every window and puts queues, focus, capture, clock, clipboard, settings, system
    // colours, message-box answers and the log back to their start.
    void Reset();

    // Pointer, in screen coordinates. Modifiers (MK_SHIFT, MK_CONTROL) count as held while the
    // event is delivered.
    void MoveTo(CPoint screen, UINT modifiers = 0);
    void Press(CPoint screen, MouseButton button = MouseButton::Left, UINT modifiers = 0);
    void Release(CPoint screen, MouseButton button = MouseButton::Left, UINT modifiers = 0);
    void Click(CPoint screen, UINT modifiers = 0, MouseButton button = MouseButton::Left);
    // Press, release, the second press (a double click for classes with CS_DBLCLKS), release.
    void DoubleClick(CPoint screen, UINT modifiers = 0);
    // Press at one point, move there in steps, release.
    void Drag(CPoint from, CPoint to, UINT modifiers = 0, int steps = 4);
    void Wheel(int delta, std::optional<CPoint> at = std::nullopt, UINT modifiers = 0);
    // Screen points of a window's client point and of the middle of a scroll-bar part.
    static CPoint ToScreen(HWND hwnd, CPoint client);
    static CPoint ScrollBarPoint(HWND hwnd, int bar, ScrollPart part);

    // Keyboard, to the focus window.
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    // A key pressed and released, with Shift and Ctrl (MK_SHIFT, MK_CONTROL) held around it.
    void Key(int virtualKey, UINT modifiers = 0);
    void Char(char ch);
    // Types text: keys for what a keyboard has keys for (so WM_KEYDOWN, WM_CHAR and WM_KEYUP
    // arrive), characters alone for the rest.
    void Type(const std::string& text);

    // Control actions. A control is found by id among the descendants of a window, or of the
    // active window (a dialog opened meanwhile) when no window is given, at the moment the
    // action is reached. Other layers add their own actions with Queue.
    void Queue(std::string description, std::function<void()> action);
    void SetControlText(int id, std::string text, HWND within = nullptr);
    void ClickButton(int id, HWND within = nullptr);
    void FocusControl(int id, HWND within = nullptr);
    void SendToControl(int id, UINT message, WPARAM wParam, LPARAM lParam, std::string description, HWND within = nullptr);
    static HWND FindControl(int id, HWND within = nullptr);

    // Clock and running.
    void AdvanceClock(DWORD milliseconds);
    // Delivers everything queued and every message it causes; returns how many were delivered.
    int RunUntilIdle();
    std::size_t PendingInput() const;

    // Message boxes (::MessageBox, MessageBoxScript.h): each takes the next queued answer, or
    // with none queued the box's way out (IDCANCEL, or IDNO / IDOK where that is the way out).
    // Every box is logged with its caption and text.
    void QueueMessageBoxAnswer(int answer);
    int AnswerMessageBox(const char* text, const char* caption, UINT type);
    std::size_t PendingMessageBoxAnswers() const;

    // Desktop settings; each change is told to every window as the desktop would tell it.
    void SetSysColor(int index, COLORREF colour);
    // WheelScrollLines as stored text; none removes the value.
    void SetWheelScrollLines(std::optional<std::string> text);

    // Finding windows (visible or not); the first found in z-order, topmost first.
    static HWND FindByClass(const char* className, HWND within = nullptr);
    static HWND FindByTitle(const char* title, HWND within = nullptr);
    static std::vector<HWND> FindAll(const std::function<BOOL(HWND)>& match);

    // Pictures: a window with its children, or the screen; PNG files through the graphics layer.
    static Surface Capture(HWND hwnd);
    // The texts the windows inside hwnd draw when painted anew, window by window in z-order,
    // each window's from top to bottom and left to right.
    static std::vector<std::string> DrawnText(HWND hwnd);
    static BOOL Screenshot(HWND hwnd, const std::string& path);
    static BOOL ScreenshotScreen(const std::string& path);

    // Log and clipboard.
    const std::vector<std::string>& Log() const;
    BOOL LogContains(const std::string& text) const;
    void ClearLog();
    void Note(std::string line);
    std::optional<std::string> ClipboardText() const;
    BOOL SetClipboardText(const std::string& text);

private:
    void QueueEvent(InputEvent event);
    void QueuePointer(InputEvent::Kind kind, CPoint screen, MouseButton button, UINT modifiers, BOOL doubleClick = FALSE);
};

} // namespace platform
