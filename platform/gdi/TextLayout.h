// The layout of DrawText: prefix characters, line breaks, word wrapping, tab stops and the end
// ellipsis, in device pixels of one font.
#pragma once

#include <vector>

#include "GdiTypes.h"

namespace platform {

class RealizedFont;

struct LayoutChar {
    unsigned char ch = 0;
    bool underlined = false; // the character after a single "&"
};

struct LayoutLine {
    int begin = 0; // characters [begin, end) of the laid-out text
    int end = 0;
    bool ellipsis = false; // "..." follows the characters
    int width = 0;         // pixels, the ellipsis included
};

class PLATFORM_API TextLayout {
public:
    // `width` is the width of the rectangle that the text is laid out in.
    void Build(RealizedFont& font, const char* text, int count, int width, UINT format);

    const std::vector<LayoutChar>& Chars() const { return m_chars; }
    const std::vector<LayoutLine>& Lines() const { return m_lines; }
    int Width() const; // the widest line
    // The pen position after one more character, starting from x; tab stops count from the
    // line's start.
    int Advance(int x, unsigned char ch) const;
    int EllipsisWidth() const;

private:
    void Prefix(const char* text, int count);
    void Wrap(int begin, int end);
    void AddLine(int begin, int end);
    void Ellipsise(LayoutLine& line);
    int Measure(int begin, int end) const;

    RealizedFont* m_font = nullptr;
    UINT m_format = 0;
    int m_width = 0;
    int m_tab = 0;
    std::vector<LayoutChar> m_chars;
    std::vector<LayoutLine> m_lines;
};

} // namespace platform
