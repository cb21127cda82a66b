#include "ControlState.h"

#include <unordered_map>
#include <vector>

#include "../gdi/StockObjects.h"
#include "../gdi/SysColors.h"

namespace platform {

namespace {

std::unordered_map<HWND, std::unique_ptr<ControlState>>& States()
{
    static std::unordered_map<HWND, std::unique_ptr<ControlState>> states;
    return states;
}

// States of destroyed controls, kept until the outermost control procedure returns.
std::vector<std::unique_ptr<ControlState>>& Released()
{
    static std::vector<std::unique_ptr<ControlState>> released;
    return released;
}

int& CallDepth()
{
    static int depth = 0;
    return depth;
}

} // namespace

ControlState* FindControlState(HWND hwnd)
{
    auto it = States().find(hwnd);
    return it == States().end() ? nullptr : it->second.get();
}

namespace detail {

void AdoptControlState(HWND hwnd, std::unique_ptr<ControlState> state) { States()[hwnd] = std::move(state); }

void ReleaseControlState(HWND hwnd)
{
    auto it = States().find(hwnd);
    if (it == States().end())
        return;
    Released().push_back(std::move(it->second));
    States().erase(it);
}

ControlCallDepth::ControlCallDepth() { ++CallDepth(); }

ControlCallDepth::~ControlCallDepth()
{
    if (--CallDepth() == 0 && !Released().empty()) {
        // Destructors of states must not see the list change under them.
        std::vector<std::unique_ptr<ControlState>> gone;
        gone.swap(Released());
    }
}

} // namespace detail

LRESULT ControlState::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        m_font = reinterpret_cast<HFONT>(wParam);
        break;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    default:
        break;
    }
    return Handle(message, wParam, lParam);
}

HFONT ControlState::Font() const { return m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT); }

LRESULT ControlState::Default(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::DefWindowProc(m_hwnd, message, wParam, lParam);
}

DWORD ControlState::Style() const { return DWORD(GetWindowLongPtr(m_hwnd, GWL_STYLE)); }
int ControlState::Id() const { return GetDlgCtrlID(m_hwnd); }
HWND ControlState::Parent() const { return GetParent(m_hwnd); }

CRect ControlState::ClientRect() const
{
    CRect rect;
    GetClientRect(m_hwnd, &rect);
    return rect;
}

std::string ControlState::WindowText() const
{
    std::string text(std::size_t(SendMessage(m_hwnd, WM_GETTEXTLENGTH, 0, 0)), '\0');
    const LRESULT copied = SendMessage(m_hwnd, WM_GETTEXT, WPARAM(text.size() + 1), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(std::max<LRESULT>(0, copied)));
    return text;
}

void ControlState::NotifyParent(UINT code) const
{
    HWND parent = Parent();
    if (parent)
        SendMessage(parent, WM_COMMAND, MAKEWPARAM(Id(), code), reinterpret_cast<LPARAM>(m_hwnd));
}

LRESULT ControlState::NotifyParent(NMHDR& header, UINT code) const
{
    header.hwndFrom = m_hwnd;
    header.idFrom = UINT_PTR(Id());
    header.code = code;
    HWND parent = Parent();
    return parent ? SendMessage(parent, WM_NOTIFY, WPARAM(Id()), reinterpret_cast<LPARAM>(&header)) : 0;
}

HWND TopLevelWindowOf(HWND hwnd)
{
    while (hwnd && (GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = GetParent(hwnd);
    return hwnd;
}

ControlPaint::ControlPaint(HWND hwnd, HFONT font) : m_hwnd(hwnd)
{
    HDC hdc = BeginPaint(hwnd, &m_paint);
    m_dc = hdc ? CDC::FromHandle(hdc) : nullptr;
    if (!m_dc)
        return;
    m_saved = m_dc->SaveDC();
    m_dc->SelectObject(font);
    m_dc->SetBkMode(TRANSPARENT);
    m_dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
}

ControlPaint::~ControlPaint()
{
    if (m_dc)
        m_dc->RestoreDC(m_saved);
    EndPaint(m_hwnd, &m_paint);
}

TextMeasure::TextMeasure(HFONT font)
{
    m_dc.CreateCompatibleDC(nullptr);
    m_dc.SelectObject(font);
}

int TextMeasure::Width(std::string_view text) const
{
    if (text.empty())
        return 0;
    return m_dc.GetTextExtent(text.data(), int(text.size())).cx;
}

int TextMeasure::LineHeight() const
{
    TEXTMETRIC metrics;
    m_dc.GetTextMetrics(&metrics);
    return metrics.tmHeight;
}

} // namespace platform
