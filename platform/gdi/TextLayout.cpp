#include "TextLayout.h"

#include <algorithm>

#include "RealizedFont.h"

namespace platform {

namespace {

constexpr int tabCharacters = 8;
constexpr unsigned char ellipsisDot = '.';

bool isLineBreak(unsigned char ch) { return ch == '\r' || ch == '\n'; }

} // namespace

void TextLayout::Build(RealizedFont& font, const char* text, int count, int width, UINT format)
{
    m_font = &font;
    m_format = format;
    m_width = std::max(0, width);
    m_tab = std::max(1, tabCharacters * int(font.Metrics().tmAveCharWidth));
    m_chars.clear();
    m_lines.clear();
    Prefix(text, count);
    const int size = int(m_chars.size());
    if (format & DT_SINGLELINE) {
        AddLine(0, size);
        return;
    }
    // Paragraphs end at CR LF, LF or CR; each is wrapped on its own.
    int begin = 0;
    for (int i = 0; i <= size; ++i) {
        if (i < size && !isLineBreak(m_chars[std::size_t(i)].ch))
            continue;
        Wrap(begin, i);
        if (i + 1 < size && m_chars[std::size_t(i)].ch == '\r' && m_chars[std::size_t(i) + 1].ch == '\n')
            ++i;
        begin = i + 1;
    }
}

void TextLayout::Prefix(const char* text, int count)
{
    for (int i = 0; text && i < count; ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch != '&' || (m_format & DT_NOPREFIX)) {
            m_chars.push_back({ch, false});
            continue;
        }
        // "&&" shows one "&"; "&x" shows x underlined; a lone "&" at the end shows nothing.
        if (++i >= count)
            break;
        const auto next = static_cast<unsigned char>(text[i]);
        m_chars.push_back({next, next != '&'});
    }
}

int TextLayout::Advance(int x, unsigned char ch) const
{
    if (ch == '\t' && (m_format & DT_EXPANDTABS))
        return (x / m_tab + 1) * m_tab;
    return x + m_font->Advance(ch);
}

int TextLayout::EllipsisWidth() const { return 3 * m_font->Advance(ellipsisDot); }

int TextLayout::Measure(int begin, int end) const
{
    int x = 0;
    for (int i = begin; i < end; ++i)
        x = Advance(x, m_chars[std::size_t(i)].ch);
    return x;
}

int TextLayout::Width() const
{
    int widest = 0;
    for (const LayoutLine& line : m_lines)
        widest = std::max(widest, line.width);
    return widest;
}

void TextLayout::Wrap(int begin, int end)
{
    if (!(m_format & DT_WORDBREAK)) {
        AddLine(begin, end);
        return;
    }
    auto skipSpaces = [&](int i) {
        while (i < end && m_chars[std::size_t(i)].ch == ' ')
            ++i;
        return i;
    };
    int start = begin;
    do {
        int x = 0, i = start, wordEnd = -1;
        bool overflow = false;
        for (; i < end; ++i) {
            const unsigned char ch = m_chars[std::size_t(i)].ch;
            if (ch == ' ' && i > start && m_chars[std::size_t(i) - 1].ch != ' ')
                wordEnd = i;
            const int next = Advance(x, ch);
            // Blanks may run past the edge; they vanish at the break.
            if (ch != ' ' && next > m_width && i > start) {
                overflow = true;
                break;
            }
            x = next;
        }
        if (!overflow) {
            AddLine(start, end);
            return;
        }
        if (wordEnd > start) {
            AddLine(start, wordEnd);
            start = skipSpaces(wordEnd);
        } else if (m_format & DT_EDITCONTROL) {
            // As an edit control shows it, a word wider than the line is broken where it is full.
            AddLine(start, i);
            start = i;
        } else {
            // Otherwise it keeps a line of its own, wider than the rectangle (or cut with the
            // ellipsis).
            int stop = i;
            while (stop < end && m_chars[std::size_t(stop)].ch != ' ')
                ++stop;
            AddLine(start, stop);
            start = skipSpaces(stop);
        }
    } while (start < end);
}

void TextLayout::AddLine(int begin, int end)
{
    LayoutLine line{begin, end, false, Measure(begin, end)};
    if ((m_format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) && line.width > m_width)
        Ellipsise(line);
    m_lines.push_back(line);
}

void TextLayout::Ellipsise(LayoutLine& line)
{
    // The longest start of the line that still leaves room for the three dots.
    const int dots = EllipsisWidth();
    int x = 0, fit = line.begin;
    for (int i = line.begin; i < line.end; ++i) {
        x = Advance(x, m_chars[std::size_t(i)].ch);
        if (x + dots > m_width)
            break;
        fit = i + 1;
    }
    line.end = fit;
    line.ellipsis = true;
    line.width = Measure(line.begin, line.end) + dots;
}

} // namespace platform
