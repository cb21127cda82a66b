// The description of a dialog as a library carries it among its resources: the dialog itself and
// its controls in creation order (which is also the tab order). Positions and sizes are in
// dialog units of the dialog's font; the framework turns them into pixels when it builds the
// dialog.
#pragma once

#include <string>
#include <vector>

#include "../win/WinTypes.h"

namespace platform {

// The id of a control that nothing refers to (labels, group boxes).
inline constexpr int kNoControlId = -1;

struct DialogItemTemplate {
    DialogItemTemplate() = default;
    DialogItemTemplate(std::string className_, std::string text_, int id_, int x_, int y_, int cx_, int cy_, DWORD style_,
                       DWORD exStyle_ = 0, std::vector<std::string> initialData_ = {})
        : className(std::move(className_)), text(std::move(text_)), id(id_), x(x_), y(y_), cx(cx_), cy(cy_),
          style(style_), exStyle(exStyle_), initialData(std::move(initialData_))
    {
    }

    // A window class: "Button", "Edit", "Static", "ComboBox", "ListBox", "msctls_updown32",
    // "SysTreeView32" or any registered class; compared without regard to case.
    std::string className;
    std::string text;
    int id = kNoControlId;
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0; // WS_CHILD and WS_VISIBLE are the caller's to give, as in a resource script
    DWORD exStyle = 0;
    // Strings that a combo box or list box is filled with when the dialog is built.
    std::vector<std::string> initialData;
};

struct DialogTemplate {
    DialogTemplate() = default;
    DialogTemplate(std::string caption_, int x_, int y_, int cx_, int cy_, DWORD style_, std::vector<DialogItemTemplate> items_,
                   DWORD exStyle_ = 0, std::string fontName_ = "MS Sans Serif", int pointSize_ = 8)
        : caption(std::move(caption_)), x(x_), y(y_), cx(cx_), cy(cy_), style(style_), exStyle(exStyle_),
          fontName(std::move(fontName_)), pointSize(pointSize_), items(std::move(items_))
    {
    }

    std::string caption;
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string fontName = "MS Sans Serif";
    int pointSize = 8;
    std::vector<DialogItemTemplate> items;
};

} // namespace platform
