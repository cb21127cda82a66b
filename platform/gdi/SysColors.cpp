#include "SysColors.h"

#include <array>
#include <memory>

#include "GdiObjectData.h"

namespace {

constexpr int colourCount = 31;

// The classic scheme: grey three-dimensional objects, navy highlight and caption, white windows.
constexpr std::array<COLORREF, colourCount> defaultColours = {
    0xC0C0C0, // COLOR_SCROLLBAR
    0x808000, // COLOR_BACKGROUND (teal)
    0x800000, // COLOR_ACTIVECAPTION (navy)
    0x808080, // COLOR_INACTIVECAPTION
    0xC0C0C0, // COLOR_MENU
    0xFFFFFF, // COLOR_WINDOW
    0x000000, // COLOR_WINDOWFRAME
    0x000000, // COLOR_MENUTEXT
    0x000000, // COLOR_WINDOWTEXT
    0xFFFFFF, // COLOR_CAPTIONTEXT
    0xC0C0C0, // COLOR_ACTIVEBORDER
    0xC0C0C0, // COLOR_INACTIVEBORDER
    0x808080, // COLOR_APPWORKSPACE
    0x800000, // COLOR_HIGHLIGHT (navy)
    0xFFFFFF, // COLOR_HIGHLIGHTTEXT
    0xC0C0C0, // COLOR_BTNFACE
    0x808080, // COLOR_BTNSHADOW
    0x808080, // COLOR_GRAYTEXT
    0x000000, // COLOR_BTNTEXT
    0xC0C0C0, // COLOR_INACTIVECAPTIONTEXT
    0xFFFFFF, // COLOR_BTNHIGHLIGHT
    0x000000, // COLOR_3DDKSHADOW
    0xDFDFDF, // COLOR_3DLIGHT
    0x000000, // COLOR_INFOTEXT
    0xE1FFFF, // COLOR_INFOBK (pale yellow)
    0xB5B5B5, // index 25 has no name; the value is the one the system reports
    0x800000, // COLOR_HOTLIGHT
    0xD08410, // COLOR_GRADIENTACTIVECAPTION
    0xB5B5B5, // COLOR_GRADIENTINACTIVECAPTION
    0x800000, // COLOR_MENUHILIGHT
    0xC0C0C0, // COLOR_MENUBAR
};

std::array<COLORREF, colourCount>& colours()
{
    static std::array<COLORREF, colourCount> table = defaultColours;
    return table;
}

bool known(int index) { return index >= 0 && index < colourCount; }

} // namespace

DWORD GetSysColor(int index) { return known(index) ? colours()[std::size_t(index)] : 0; }

HBRUSH GetSysColorBrush(int index)
{
    if (!known(index))
        return nullptr;
    // The brushes live as long as the program, like the system's own.
    static auto* brushes = new std::array<std::shared_ptr<platform::BrushData>, colourCount>;
    auto& brush = (*brushes)[std::size_t(index)];
    if (!brush)
        brush = std::make_shared<platform::BrushData>(BS_SOLID, 0, index);
    return brush->Handle();
}

namespace platform {

void SetSysColorValue(int index, COLORREF colour)
{
    if (known(index))
        colours()[std::size_t(index)] = colour & 0x00FFFFFFu;
}

void ResetSysColors() { colours() = defaultColours; }

} // namespace platform
