// Windows that write the messages they receive into a journal, and a fixture that starts every
// test with a fresh window system.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

namespace wintest {

inline std::string MessageName(UINT message)
{
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"},           {WM_DESTROY, "WM_DESTROY"},         {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_SIZE, "WM_SIZE"},               {WM_MOVE, "WM_MOVE"},               {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},     {WM_PAINT, "WM_PAINT"},             {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_TIMER, "WM_TIMER"},       {WM_USER, "WM_USER"},
        {WM_USER + 1, "WM_USER+1"},         {WM_USER + 2, "WM_USER+2"},         {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
        {WM_SETTINGCHANGE, "WM_SETTINGCHANGE"}, {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},     {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},             {WM_CHAR, "WM_CHAR"},               {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_VSCROLL, "WM_VSCROLL"},         {WM_HSCROLL, "WM_HSCROLL"},         {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_COMMAND, "WM_COMMAND"},         {WM_NOTIFY, "WM_NOTIFY"},           {WM_CLOSE, "WM_CLOSE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},       {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
    };
    auto it = names.find(message);
    return it == names.end() ? "0x" + std::to_string(message) : it->second;
}

// What the recorders saw: "name WM_X", in order, for the messages a test watches.
struct Journal {
    std::vector<std::string> lines;
    std::set<UINT> watched;
    void Clear()
    {
        lines.clear();
        watched.clear();
    }
    void Watch(std::initializer_list<UINT> messages) { watched.insert(messages); }
};

inline Journal& TheJournal()
{
    static Journal journal;
    return journal;
}

class Recorder : public CWnd {
public:
    explicit Recorder(std::string name) : m_name(std::move(name)) {}

    // Runs before the message's handler; returning a value takes the message over.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> onMessage;
    std::vector<MSG> received;
    std::string m_name;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (TheJournal().watched.count(message))
            TheJournal().lines.push_back(m_name + " " + MessageName(message));
        MSG msg;
        msg.hwnd = m_hWnd;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        received.push_back(msg);
        if (onMessage)
            if (auto result = onMessage(message, wParam, lParam))
                return *result;
        return CWnd::WindowProc(message, wParam, lParam);
    }

    int Count(UINT message) const
    {
        int n = 0;
        for (const MSG& m : received)
            n += m.message == message;
        return n;
    }
};

// A class for test windows: double clicks, arrow cursor, window-colour background.
inline const char* TestClass()
{
    static const char* name = "TestWindow";
    WNDCLASS info;
    info.style = CS_DBLCLKS;
    info.lpfnWndProc = ::DefWindowProc;
    info.hCursor = LoadStandardCursor(IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(uintptr_t(COLOR_WINDOW + 1));
    info.lpszClassName = name;
    AfxRegisterClass(&info);
    return name;
}

inline HWND MakeTop(CWnd& wnd, CRect rect, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0)
{
    wnd.CreateEx(exStyle, TestClass(), "top", style, rect.left, rect.top, rect.Width(), rect.Height(), nullptr, nullptr);
    return wnd.m_hWnd;
}

inline HWND MakeChild(CWnd& wnd, CWnd& parent, CRect rect, UINT id, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0)
{
    wnd.CreateEx(exStyle, TestClass(), "", style, rect, &parent, id);
    return wnd.m_hWnd;
}

// The client pixel of a surface's picture, as COLORREF.
inline COLORREF PixelAt(const platform::Surface& surface, int x, int y)
{
    const uint32_t p = surface.Row(y)[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ResetWindowSystem();
        TheJournal().Clear();
    }
    void TearDown() override { platform::ResetWindowSystem(); }
};

} // namespace wintest
