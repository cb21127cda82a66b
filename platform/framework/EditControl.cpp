// The edit control: messages about its text and selection, keyboard and pointer editing, and
// painting.
#include "EditControl.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "../gdi/SysColors.h"
#include "../win/Clipboard.h"

namespace platform {

namespace {

BOOL KeyHeld(int key) { return GetKeyState(key) < 0; }

// Control characters that TranslateMessage makes of Ctrl with a letter.
constexpr UINT kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCtrlBackspace = 127;

} // namespace

LRESULT EditControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleTextMessage(message, wParam, lParam, result) || HandleInputMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_NCCREATE: {
        result = Default(message, wParam, lParam);
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            m_buffer.SetText(ApplyCase(cs->lpszName));
        return result;
    }
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        ScrollCaretIntoView();
        return Default(message, wParam, lParam);
    case WM_ENABLE: Redraw(); return 0;
    case WM_SETFONT:
        if (lParam)
            Redraw();
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (IsWindow(m_partner) && SendMessage(m_partner, kPartnerWantsAllKeys, 0, 0))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case kSetKeyPartner: m_partner = reinterpret_cast<HWND>(wParam); return 0;
    default: return Default(message, wParam, lParam);
    }
}

BOOL EditControl::HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SETTEXT: SetText(reinterpret_cast<const char*>(lParam)); result = TRUE; return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || wParam == 0)
            return TRUE;
        const std::size_t n = std::min<std::size_t>(m_buffer.Text().size(), wParam - 1);
        std::memcpy(buffer, m_buffer.Text().data(), n);
        buffer[n] = '\0';
        result = LRESULT(n);
        return TRUE;
    }
    case WM_GETTEXTLENGTH: result = m_buffer.Length(); return TRUE;
    case EM_GETSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = DWORD(m_buffer.SelStart());
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = DWORD(m_buffer.SelEnd());
        result = MAKELRESULT(m_buffer.SelStart(), m_buffer.SelEnd());
        return TRUE;
    case EM_SETSEL: SetSelection(int(wParam), int(lParam)); return TRUE;
    case EM_REPLACESEL:
        m_buffer.Replace(ApplyCase(lParam ? reinterpret_cast<const char*>(lParam) : ""));
        Changed();
        return TRUE;
    case EM_LIMITTEXT: m_buffer.SetLimit(int(wParam)); return TRUE;
    case EM_GETLIMITTEXT: result = m_buffer.Limit(); return TRUE;
    case EM_GETMODIFY: result = m_modified; return TRUE;
    case EM_SETMODIFY: m_modified = BOOL(wParam); return TRUE;
    case EM_SETREADONLY:
        SetWindowLongPtr(m_hwnd, GWL_STYLE, LONG_PTR(wParam ? (Style() | ES_READONLY) : (Style() & ~DWORD(ES_READONLY))));
        Redraw();
        result = TRUE;
        return TRUE;
    case EM_SCROLLCARET: ScrollCaretIntoView(); Redraw(); result = TRUE; return TRUE;
    case EM_GETLINECOUNT: result = 1; return TRUE;
    case EM_CANUNDO: result = FALSE; return TRUE;
    case WM_COPY: Copy(); return TRUE;
    case WM_CUT: Cut(); return TRUE;
    case WM_PASTE: Paste(); return TRUE;
    case WM_CLEAR:
        if (!(Style() & ES_READONLY) && m_buffer.HasSelection() && m_buffer.Replace({}))
            Changed();
        return TRUE;
    default: return FALSE;
    }
}

BOOL EditControl::HandleInputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&)
{
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_CHAR: OnChar(UINT(wParam)); return TRUE;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return TRUE;
    case WM_LBUTTONDOWN: OnButtonDown(point, FALSE); return TRUE;
    case WM_LBUTTONDBLCLK: OnButtonDown(point, TRUE); return TRUE;
    case WM_MOUSEMOVE: OnPointerMove(point); return TRUE;
    case WM_LBUTTONUP:
        if (m_selecting && GetCapture() == m_hwnd)
            ReleaseCapture();
        m_selecting = FALSE;
        return TRUE;
    case WM_CAPTURECHANGED: m_selecting = FALSE; return TRUE;
    case WM_SETFOCUS:
        Redraw();
        NotifyParent(EN_SETFOCUS);
        return TRUE;
    case WM_KILLFOCUS:
        m_selecting = FALSE;
        Redraw();
        NotifyParent(EN_KILLFOCUS);
        return TRUE;
    default: return FALSE;
    }
}

void EditControl::SetText(const char* text)
{
    m_buffer.SetText(ApplyCase(text ? text : ""));
    m_scroll = 0;
    m_modified = FALSE;
    Changed();
}

void EditControl::SetSelection(int start, int end)
{
    if (start == -1)
        m_buffer.MoveCaret(m_buffer.Caret(), FALSE);
    else
        m_buffer.Select(start, end);
    ScrollCaretIntoView();
    Redraw();
}

std::string EditControl::ApplyCase(std::string_view text) const
{
    std::string out(text);
    const DWORD style = Style();
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if ((style & ES_UPPERCASE) && c < 128)
            ch = char(std::toupper(c));
        else if ((style & ES_LOWERCASE) && c < 128)
            ch = char(std::tolower(c));
    }
    return out;
}

BOOL EditControl::Insert(std::string_view text)
{
    if (Style() & ES_READONLY)
        return FALSE;
    const EditBuffer before = m_buffer;
    const BOOL whole = m_buffer.Replace(ApplyCase(text));
    if (!(Style() & ES_AUTOHSCROLL) && TextMeasure(Font()).Width(m_buffer.Text()) > VisibleWidth()) {
        // Without automatic scrolling the control takes no more than it can show.
        m_buffer = before;
        NotifyParent(EN_MAXTEXT);
        return FALSE;
    }
    if (!whole)
        NotifyParent(EN_MAXTEXT);
    if (m_buffer.Text() == before.Text())
        return FALSE;
    m_modified = TRUE;
    Changed();
    return TRUE;
}

void EditControl::Copy() const
{
    if (m_buffer.HasSelection() && !(Style() & ES_PASSWORD))
        Clipboard::Instance().SetText(m_buffer.Selected());
}

void EditControl::Cut()
{
    if (Style() & ES_READONLY)
        return;
    Copy();
    if (m_buffer.HasSelection() && m_buffer.Replace({})) {
        m_modified = TRUE;
        Changed();
    }
}

void EditControl::Paste()
{
    std::optional<std::string> text = Clipboard::Instance().Text();
    if (!text)
        return;
    // A single-line edit takes the first line of what is pasted.
    text->resize(std::min(text->find_first_of("\r\n"), text->size()));
    Insert(*text);
}

void EditControl::Changed()
{
    ScrollCaretIntoView();
    Redraw();
    Default(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_buffer.Text().c_str()));
    NotifyParent(EN_UPDATE);
    if (Alive())
        NotifyParent(EN_CHANGE);
}

void EditControl::OnChar(UINT ch)
{
    if (OnControlCharacter(ch) || ch < 32)
        return;
    if ((Style() & ES_NUMBER) && !std::isdigit(int(ch)))
        return;
    const char text[2] = {char(ch), '\0'};
    Insert(text);
}

// The characters of Backspace and of Ctrl with a letter; TRUE when the character was one.
BOOL EditControl::OnControlCharacter(UINT ch)
{
    const BOOL readOnly = (Style() & ES_READONLY) != 0;
    switch (ch) {
    case kCtrlA: m_buffer.Select(0, -1); ScrollCaretIntoView(); Redraw(); return TRUE;
    case kCtrlC: Copy(); return TRUE;
    case kCtrlV: Paste(); return TRUE;
    case kCtrlX: Cut(); return TRUE;
    case '\b':
        if (!readOnly && m_buffer.DeleteBackward()) {
            m_modified = TRUE;
            Changed();
        }
        return TRUE;
    case kCtrlBackspace:
        if (!readOnly && !m_buffer.HasSelection())
            m_buffer.MoveCaret(m_buffer.WordLeft(m_buffer.Caret()), TRUE);
        if (!readOnly && m_buffer.HasSelection() && m_buffer.Replace({})) {
            m_modified = TRUE;
            Changed();
        }
        return TRUE;
    default: return FALSE;
    }
}

void EditControl::OnKeyDown(UINT key)
{
    const BOOL shift = KeyHeld(VK_SHIFT), control = KeyHeld(VK_CONTROL);
    static const UINT partnerKeys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_F4, VK_RETURN, VK_ESCAPE};
    if (IsWindow(m_partner) && std::find(std::begin(partnerKeys), std::end(partnerKeys), key) != std::end(partnerKeys) &&
        SendMessage(m_partner, kPartnerKey, key, 0))
        return;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END: MoveCaretByKey(key, shift, control); return;
    case VK_DELETE:
        if (shift) {
            Cut();
        } else if (!(Style() & ES_READONLY) && m_buffer.DeleteForward()) {
            m_modified = TRUE;
            Changed();
        }
        return;
    case VK_INSERT:
        if (control)
            Copy();
        else if (shift)
            Paste();
        return;
    default: return;
    }
}

void EditControl::MoveCaretByKey(UINT key, BOOL shift, BOOL control)
{
    const int caret = m_buffer.Caret();
    int to = caret;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        to = control ? m_buffer.WordLeft(caret) : (m_buffer.HasSelection() && !shift) ? m_buffer.SelStart() : caret - 1;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        to = control ? m_buffer.WordRight(caret) : (m_buffer.HasSelection() && !shift) ? m_buffer.SelEnd() : caret + 1;
        break;
    case VK_HOME: to = 0; break;
    default: to = m_buffer.Length(); break;
    }
    m_buffer.MoveCaret(to, shift);
    ScrollCaretIntoView();
    Redraw();
}

void EditControl::OnButtonDown(CPoint point, BOOL doubleClick)
{
    if (!HasFocus())
        SetFocus(m_hwnd);
    if (!Alive())
        return;
    const int index = IndexAt(point.x);
    if (doubleClick) {
        const int start = m_buffer.WordLeft(std::min(index + 1, m_buffer.Length()));
        m_buffer.Select(start, m_buffer.WordRight(start));
    } else {
        m_buffer.MoveCaret(index, KeyHeld(VK_SHIFT));
        m_selecting = TRUE;
        SetCapture(m_hwnd);
    }
    ScrollCaretIntoView();
    Redraw();
}

void EditControl::OnPointerMove(CPoint point)
{
    if (!m_selecting || GetCapture() != m_hwnd)
        return;
    m_buffer.MoveCaret(IndexAt(point.x), TRUE);
    ScrollCaretIntoView();
    Redraw();
}

int EditControl::VisibleWidth() const { return std::max(0, ClientRect().Width() - 2 * kMargin); }

int EditControl::TextOrigin(const TextMeasure& measure) const
{
    const int width = measure.Width(m_buffer.Text());
    const int visible = VisibleWidth();
    if (width <= visible && (Style() & ES_RIGHT))
        return kMargin + visible - width;
    if (width <= visible && (Style() & ES_CENTER))
        return kMargin + (visible - width) / 2;
    return kMargin - m_scroll;
}

int EditControl::IndexAt(int x) const
{
    const TextMeasure measure(Font());
    const int origin = TextOrigin(measure);
    const std::string& text = m_buffer.Text();
    int previous = origin;
    for (int i = 1; i <= int(text.size()); ++i) {
        const int edge = origin + measure.Width(std::string_view(text).substr(0, std::size_t(i)));
        if (x < (previous + edge) / 2)
            return i - 1;
        previous = edge;
    }
    return int(text.size());
}

void EditControl::ScrollCaretIntoView()
{
    const TextMeasure measure(Font());
    const std::string_view text = m_buffer.Text();
    const int caretX = measure.Width(text.substr(0, std::size_t(m_buffer.Caret())));
    const int visible = VisibleWidth();
    if (caretX - m_scroll > visible)
        m_scroll = caretX - visible;
    if (caretX < m_scroll)
        m_scroll = std::max(0, caretX - visible / 4);
    // Text that has become shorter is pulled back, so no empty room is left on the right.
    m_scroll = std::clamp(m_scroll, 0, std::max(0, measure.Width(text) - visible + 1));
}

void EditControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    const CRect client = ClientRect();
    const BOOL enabled = Enabled(), readOnly = (Style() & ES_READONLY) != 0;
    dc.FillSolidRect(&client, GetSysColor(enabled && !readOnly ? COLOR_WINDOW : COLOR_BTNFACE));
    dc.IntersectClipRect(kMargin, 0, client.right - kMargin, client.bottom);

    const TextMeasure measure(Font());
    const std::string& text = m_buffer.Text();
    const int origin = TextOrigin(measure);
    const int height = measure.LineHeight();
    const int top = std::max(0, (client.Height() - height) / 2);
    dc.SetTextColor(GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    dc.TextOut(origin, top, text.c_str(), int(text.size()));

    const BOOL focused = HasFocus();
    if (m_buffer.HasSelection() && (focused || (Style() & ES_NOHIDESEL))) {
        const int start = m_buffer.SelStart(), end = m_buffer.SelEnd();
        const int left = origin + measure.Width(std::string_view(text).substr(0, std::size_t(start)));
        const int right = origin + measure.Width(std::string_view(text).substr(0, std::size_t(end)));
        const CRect band(left, top, right, top + height);
        dc.FillSolidRect(&band, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc.TextOut(left, top, text.c_str() + start, end - start);
    }
    if (focused) {
        const int x = origin + measure.Width(std::string_view(text).substr(0, std::size_t(m_buffer.Caret())));
        dc.FillSolidRect(x, top, 1, height, GetSysColor(COLOR_WINDOWTEXT));
    }
}

} // namespace platform
