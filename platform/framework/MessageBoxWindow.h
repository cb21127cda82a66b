// The window of a message box: the icon of its kind, the text broken into lines, and a row of
// buttons for its type, centred over the owner.
#pragma once

#include <string>

#include "../gdi/Font.h"
#include "../win/Wnd.h"

namespace platform {

class MessageBoxWindow : public CWnd {
public:
    MessageBoxWindow(std::string text, UINT type);
    using CWnd::Create;
    BOOL Create(HWND owner, const char* caption);

protected:
    void OnPaint() override;

private:
    struct Button {
        int id;
        const char* label;
    };
    static std::vector<Button> ButtonsOf(UINT type);
    CSize Layout();
    void CreateButtons(const CSize& client);
    void PaintIcon(CDC& dc) const;

    std::string m_text;
    UINT m_type;
    CFont m_font;
    CRect m_icon;
    CRect m_textRect;
    int m_buttonsTop = 0;
};

} // namespace platform
