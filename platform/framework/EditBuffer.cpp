#include "EditBuffer.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

BOOL IsWordCharacter(char ch) { return !std::isspace(static_cast<unsigned char>(ch)); }

} // namespace

void EditBuffer::SetText(std::string text)
{
    m_text = std::move(text);
    m_anchor = m_caret = 0;
}

std::string EditBuffer::Selected() const { return m_text.substr(std::size_t(SelStart()), std::size_t(SelEnd() - SelStart())); }

int EditBuffer::Clamp(int position) const { return std::clamp(position, 0, Length()); }

void EditBuffer::Select(int anchor, int caret)
{
    m_anchor = Clamp(anchor);
    m_caret = caret < 0 ? Length() : Clamp(caret);
}

void EditBuffer::MoveCaret(int to, BOOL extend)
{
    m_caret = Clamp(to);
    if (!extend)
        m_anchor = m_caret;
}

BOOL EditBuffer::Replace(std::string_view text)
{
    const int start = SelStart();
    const int kept = Length() - (SelEnd() - start);
    const int room = std::max(0, m_limit - kept);
    const std::size_t count = std::min<std::size_t>(text.size(), std::size_t(room));
    m_text.replace(std::size_t(start), std::size_t(SelEnd() - start), text.substr(0, count));
    m_anchor = m_caret = start + int(count);
    return count == text.size();
}

BOOL EditBuffer::DeleteBackward()
{
    if (HasSelection())
        return Replace({});
    if (m_caret == 0)
        return FALSE;
    m_text.erase(std::size_t(m_caret - 1), 1);
    m_anchor = --m_caret;
    return TRUE;
}

BOOL EditBuffer::DeleteForward()
{
    if (HasSelection())
        return Replace({});
    if (m_caret >= Length())
        return FALSE;
    m_text.erase(std::size_t(m_caret), 1);
    return TRUE;
}

int EditBuffer::WordLeft(int from) const
{
    int i = Clamp(from);
    while (i > 0 && !IsWordCharacter(m_text[std::size_t(i - 1)]))
        --i;
    while (i > 0 && IsWordCharacter(m_text[std::size_t(i - 1)]))
        --i;
    return i;
}

int EditBuffer::WordRight(int from) const
{
    int i = Clamp(from);
    while (i < Length() && IsWordCharacter(m_text[std::size_t(i)]))
        ++i;
    while (i < Length() && !IsWordCharacter(m_text[std::size_t(i)]))
        ++i;
    return i;
}

void EditBuffer::SetLimit(int limit) { m_limit = limit <= 0 ? kLargestLimit : std::min(limit, kLargestLimit); }

} // namespace platform
