#include "MessageBoxWindow.h"

#include <algorithm>

#include "../gdi/StockObjects.h"
#include "../gdi/SysColors.h"
#include "../win/PaintDC.h"
#include "ControlConstants.h"
#include "ControlDrawing.h"
#include "ControlState.h"

namespace platform {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kLongestLine = 420;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

} // namespace

MessageBoxWindow::MessageBoxWindow(std::string text, UINT type) : m_text(std::move(text)), m_type(type)
{
    const LOGFONT description = MessageFontDescription();
    m_font.CreateFontIndirect(&description);
}

std::vector<MessageBoxWindow::Button> MessageBoxWindow::ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
    }
}

// Places the icon, the text and the row of buttons; the size of the client area they need.
CSize MessageBoxWindow::Layout()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&m_font);
    CRect text(0, 0, kLongestLine, 0);
    dc.DrawText(m_text.c_str(), int(m_text.size()), &text, kTextFormat | DT_CALCRECT);
    const BOOL icon = (m_type & MB_ICONMASK) != 0;
    m_icon = icon ? CRect(kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize) : CRect();
    const int left = kMargin + (icon ? kIconSize + kMargin : 0);
    const int top = kMargin + (icon && text.Height() < kIconSize ? (kIconSize - text.Height()) / 2 : 0);
    m_textRect = CRect(left, top, left + text.Width(), top + text.Height());
    m_buttonsTop = std::max(m_textRect.bottom, m_icon.bottom) + 2 * kMargin;
    const int count = int(ButtonsOf(m_type).size());
    const int row = count * kButtonWidth + (count - 1) * kButtonGap;
    return CSize(std::max(m_textRect.right + kMargin, row + 2 * kMargin), m_buttonsTop + kButtonHeight + kMargin);
}

BOOL MessageBoxWindow::Create(HWND owner, const char* caption)
{
    RegisterControlClasses();
    const CSize client = Layout();
    if (!CreateEx(WS_EX_DLGMODALFRAME, "#32770", caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, client.cx, client.cy,
                  owner, nullptr))
        return FALSE;
    // The frame comes on top of what the contents need.
    CRect window, inside;
    GetWindowRect(&window);
    GetClientRect(&inside);
    const int width = client.cx + window.Width() - inside.Width();
    const int height = client.cy + window.Height() - inside.Height();
    CRect around(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (owner && ::IsWindowVisible(owner))
        ::GetWindowRect(owner, &around);
    SetWindowPos(nullptr, around.left + (around.Width() - width) / 2, around.top + (around.Height() - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetFont(&m_font, FALSE);
    CreateButtons(client);
    return TRUE;
}

void MessageBoxWindow::CreateButtons(const CSize& client)
{
    const std::vector<Button> buttons = ButtonsOf(m_type);
    const int count = int(buttons.size());
    const int preferred = std::min(int((m_type & 0xF00) >> 8), count - 1);
    int x = (client.cx - (count * kButtonWidth + (count - 1) * kButtonGap)) / 2;
    for (int i = 0; i < count; ++i, x += kButtonWidth + kButtonGap) {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == preferred ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND button = CreateWindowEx(0, "Button", buttons[std::size_t(i)].label, style, x, m_buttonsTop, kButtonWidth,
                                     kButtonHeight, m_hWnd, reinterpret_cast<HMENU>(uintptr_t(buttons[std::size_t(i)].id)),
                                     nullptr, nullptr);
        ::SendMessage(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    }
}

void MessageBoxWindow::OnPaint()
{
    CPaintDC dc(this);
    CFont* old = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    CRect text = m_textRect;
    dc.DrawText(m_text.c_str(), int(m_text.size()), &text, kTextFormat);
    PaintIcon(dc);
    dc.SelectObject(old);
}

void MessageBoxWindow::PaintIcon(CDC& dc) const
{
    if (m_icon.IsRectEmpty())
        return;
    const double cx = m_icon.left + kIconSize / 2.0, cy = m_icon.top + kIconSize / 2.0;
    const UINT kind = m_type & MB_ICONMASK;
    const char* glyph = nullptr;
    COLORREF glyphColour = RGB(0, 0, 255);
    if (kind == MB_ICONHAND) {
        FillCircle(dc, cx, cy, 15.5, RGB(128, 0, 0));
        FillCircle(dc, cx, cy, 14.5, RGB(255, 0, 0));
        const LONG l = m_icon.left, t = m_icon.top;
        FillStroke(dc, POINT{l + 10, t + 10}, POINT{l + 22, t + 22}, 4, RGB(255, 255, 255));
        FillStroke(dc, POINT{l + 22, t + 10}, POINT{l + 10, t + 22}, 4, RGB(255, 255, 255));
        return;
    }
    if (kind == MB_ICONEXCLAMATION) {
        const LONG l = m_icon.left, t = m_icon.top;
        const POINT outer[3] = {{l + 16, t}, {l + 32, t + 30}, {l, t + 30}};
        const POINT inner[3] = {{l + 16, t + 3}, {l + 29, t + 28}, {l + 3, t + 28}};
        FillPolygon(dc, outer, 3, RGB(0, 0, 0));
        FillPolygon(dc, inner, 3, RGB(255, 255, 0));
        glyph = "!";
        glyphColour = RGB(0, 0, 0);
    } else {
        FillCircle(dc, cx, cy, 15.5, RGB(128, 128, 128));
        FillCircle(dc, cx, cy, 14.5, RGB(255, 255, 255));
        glyph = kind == MB_ICONQUESTION ? "?" : "i";
    }
    const LOGFONT glyphFont = MakeLogFont(-22, "MS Sans Serif", FW_BOLD);
    CFont bold;
    bold.CreateFontIndirect(&glyphFont);
    CFont* old = dc.SelectObject(&bold);
    dc.SetTextColor(glyphColour);
    CRect area = m_icon;
    if (kind == MB_ICONEXCLAMATION)
        area.top += 6;
    dc.DrawText(glyph, 1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(old);
}

} // namespace platform
