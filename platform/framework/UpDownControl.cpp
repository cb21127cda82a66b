#include "UpDownControl.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "../gdi/SysColors.h"
#include "ControlDrawing.h"
#include "ControlTypes.h"
#include "EditControl.h"

namespace platform {

namespace {

// The sibling made just before a window: handles grow with every window made.
HWND PreviouslyMadeSibling(HWND hwnd)
{
    auto number = [](HWND h) { return reinterpret_cast<uintptr_t>(h); };
    HWND best = nullptr;
    for (HWND sibling = GetWindow(hwnd, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
        if (number(sibling) < number(hwnd) && (!best || number(sibling) > number(best)))
            best = sibling;
    return best;
}

// Whole numbers only: an optional minus and digits of the base, with nothing else around
// them but spaces.
std::optional<long long> ParseWhole(std::string text, int base)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    const BOOL negative = text[0] == '-';
    std::size_t i = negative ? 1 : 0;
    if (base == 16 && text.compare(i, 2, "0x") == 0)
        i += 2;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int ch = static_cast<unsigned char>(text[i]);
        const int digit = std::isdigit(ch) ? ch - '0' : (base == 16 && std::isxdigit(ch)) ? std::tolower(ch) - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > (long long)INT_MAX + 1)
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

LRESULT UpDownControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandlePositionMessage(message, wParam, lParam, result))
        return result;
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_CREATE:
        result = Default(message, wParam, lParam);
        if (Style() & UDS_AUTOBUDDY)
            AttachBuddy(PreviouslyMadeSibling(m_hwnd));
        return result;
    case WM_LBUTTONDOWN: {
        const Half half = HalfAt(point);
        if (half == Half::None || !Enabled())
            return 0;
        m_pressed = half;
        SetCapture(m_hwnd);
        Redraw();
        Step(half == Half::Up);
        return 0;
    }
    case WM_LBUTTONUP:
        if (m_pressed == Half::None)
            return 0;
        m_pressed = Half::None;
        ReleaseCapture();
        Redraw();
        if (HWND parent = Parent())
            SendMessage(parent, (Style() & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, m_pos),
                        reinterpret_cast<LPARAM>(m_hwnd));
        return 0;
    case WM_CAPTURECHANGED:
        if (m_pressed != Half::None) {
            m_pressed = Half::None;
            Redraw();
        }
        return 0;
    case kPartnerKey:
        if (wParam != VK_UP && wParam != VK_DOWN)
            return FALSE;
        Step(wParam == VK_UP);
        return TRUE;
    case kPartnerWantsAllKeys: return FALSE;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: Redraw(); return 0;
    default: return Default(message, wParam, lParam);
    }
}

BOOL UpDownControl::HandlePositionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case UDM_SETRANGE32:
        m_lower = int(wParam);
        m_upper = int(lParam);
        return TRUE;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = m_lower;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = m_upper;
        return TRUE;
    case UDM_SETRANGE:
        m_lower = short(HIWORD(lParam));
        m_upper = short(LOWORD(lParam));
        return TRUE;
    case UDM_GETRANGE: result = MAKELRESULT(WORD(m_upper), WORD(m_lower)); return TRUE;
    case UDM_SETPOS32: result = SetPosition(int(lParam)); return TRUE;
    case UDM_SETPOS: result = SetPosition(short(LOWORD(lParam))); return TRUE;
    case UDM_GETPOS32: result = GetPosition(reinterpret_cast<BOOL*>(lParam)); return TRUE;
    case UDM_GETPOS: {
        BOOL error = FALSE;
        const int position = GetPosition(&error);
        result = MAKELRESULT(WORD(position), error ? 1 : 0);
        return TRUE;
    }
    case UDM_SETBUDDY: result = reinterpret_cast<LRESULT>(m_buddy); AttachBuddy(reinterpret_cast<HWND>(wParam)); return TRUE;
    case UDM_GETBUDDY: result = reinterpret_cast<LRESULT>(m_buddy); return TRUE;
    case UDM_SETBASE:
        result = (wParam == 10 || wParam == 16) ? m_base : 0;
        if (result)
            m_base = int(wParam);
        return TRUE;
    case UDM_GETBASE: result = m_base; return TRUE;
    case kUserStep: Step(wParam != 0); return TRUE;
    default: return FALSE;
    }
}

void UpDownControl::AttachBuddy(HWND buddy)
{
    const BOOL arrowKeys = (Style() & UDS_ARROWKEYS) != 0;
    if (arrowKeys && IsWindow(m_buddy) && FindControlState<EditControl>(m_buddy))
        SendMessage(m_buddy, kSetKeyPartner, 0, 0);
    m_buddy = IsWindow(buddy) ? buddy : nullptr;
    if (!m_buddy)
        return;
    if (arrowKeys && FindControlState<EditControl>(m_buddy))
        SendMessage(m_buddy, kSetKeyPartner, reinterpret_cast<WPARAM>(m_hwnd), 0);
    AlignWithBuddy();
}

// With UDS_ALIGNRIGHT (or LEFT) the arrows take the buddy's height and the room at its right
// (or left) edge, and the buddy narrows by their width.
void UpDownControl::AlignWithBuddy() const
{
    const DWORD style = Style();
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) || GetParent(m_buddy) != Parent())
        return;
    CRect buddy, self;
    GetWindowRect(m_buddy, &buddy);
    GetWindowRect(m_hwnd, &self);
    ScreenToClient(Parent(), reinterpret_cast<LPPOINT>(&buddy.left));
    ScreenToClient(Parent(), reinterpret_cast<LPPOINT>(&buddy.right));
    const int width = std::min(self.Width(), buddy.Width());
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(m_buddy, buddy.left, buddy.top, buddy.Width() - width, buddy.Height(), TRUE);
        MoveWindow(m_hwnd, buddy.right - width, buddy.top, width, buddy.Height(), TRUE);
    } else {
        MoveWindow(m_buddy, buddy.left + width, buddy.top, buddy.Width() - width, buddy.Height(), TRUE);
        MoveWindow(m_hwnd, buddy.left, buddy.top, width, buddy.Height(), TRUE);
    }
}

std::optional<int> UpDownControl::BuddyValue() const
{
    if (!IsWindow(m_buddy))
        return std::nullopt;
    std::string text(std::size_t(GetWindowTextLength(m_buddy)), '\0');
    GetWindowText(m_buddy, text.data(), int(text.size()) + 1);
    if (!(Style() & UDS_NOTHOUSANDS) && m_base == 10)
        std::erase(text, ',');
    const auto value = ParseWhole(text, m_base);
    if (!value || *value < std::min(m_lower, m_upper) || *value > std::max(m_lower, m_upper))
        return std::nullopt;
    return int(*value);
}

int UpDownControl::SetPosition(int position)
{
    const int old = m_pos;
    m_pos = std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    if ((Style() & UDS_SETBUDDYINT) && IsWindow(m_buddy))
        SetWindowText(m_buddy, Format(m_pos).c_str());
    return old;
}

int UpDownControl::GetPosition(BOOL* error)
{
    BOOL invalid = FALSE;
    if ((Style() & UDS_SETBUDDYINT) && IsWindow(m_buddy)) {
        const std::optional<int> value = BuddyValue();
        invalid = !value;
        if (value)
            m_pos = *value;
    }
    if (error)
        *error = invalid;
    return m_pos;
}

void UpDownControl::Step(BOOL up)
{
    if ((Style() & UDS_SETBUDDYINT) && IsWindow(m_buddy))
        if (const std::optional<int> value = BuddyValue())
            m_pos = *value;
    NMUPDOWN change;
    change.iPos = m_pos;
    change.iDelta = (up ? 1 : -1) * (m_upper >= m_lower ? 1 : -1);
    if (NotifyParent(change.hdr, UDN_DELTAPOS) || !Alive())
        return;
    const int low = std::min(m_lower, m_upper), high = std::max(m_lower, m_upper);
    long long next = (long long)m_pos + change.iDelta;
    if (Style() & UDS_WRAP)
        next = next > high ? low : next < low ? high : next;
    next = std::clamp<long long>(next, low, high);
    if (next == m_pos)
        return;
    SetPosition(int(next));
    if (HWND parent = Parent())
        SendMessage(parent, (Style() & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, WORD(m_pos)),
                    reinterpret_cast<LPARAM>(m_hwnd));
}

std::string UpDownControl::Format(int value) const
{
    char buffer[32];
    if (m_base == 16) {
        std::snprintf(buffer, sizeof buffer, "0x%04X", unsigned(value));
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d", value);
    std::string text = buffer;
    if (Style() & UDS_NOTHOUSANDS)
        return text;
    const std::size_t digitsStart = value < 0 ? 1 : 0;
    for (int i = int(text.size()) - 3; i > int(digitsStart); i -= 3)
        text.insert(std::size_t(i), 1, ',');
    return text;
}

UpDownControl::Half UpDownControl::HalfAt(CPoint point) const
{
    if (HalfRect(Half::Up).PtInRect(point))
        return Half::Up;
    return HalfRect(Half::Down).PtInRect(point) ? Half::Down : Half::None;
}

CRect UpDownControl::HalfRect(Half half) const
{
    CRect rect = ClientRect();
    if (Style() & UDS_HORZ) {
        const int middle = rect.left + rect.Width() / 2;
        return half == Half::Down ? CRect(rect.left, rect.top, middle, rect.bottom) : CRect(middle, rect.top, rect.right, rect.bottom);
    }
    const int middle = rect.top + rect.Height() / 2;
    return half == Half::Up ? CRect(rect.left, rect.top, rect.right, middle) : CRect(rect.left, middle, rect.right, rect.bottom);
}

void UpDownControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const BOOL horizontal = (Style() & UDS_HORZ) != 0;
    const COLORREF arrow = GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (Half half : {Half::Up, Half::Down}) {
        const CRect rect = HalfRect(half);
        DrawButtonFace(dc, rect, m_pressed == half);
        const ArrowDirection direction = horizontal ? (half == Half::Up ? ArrowDirection::Right : ArrowDirection::Left)
                                                    : (half == Half::Up ? ArrowDirection::Up : ArrowDirection::Down);
        DrawArrow(dc, rect, direction, arrow);
    }
}

} // namespace platform
