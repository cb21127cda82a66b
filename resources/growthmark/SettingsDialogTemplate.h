// The settings page's template, dialog 134, in its English and its Russian version. Both have
// the same layout; positions and sizes are in dialog units.
#pragma once

#include <cstdint>
#include <span>

namespace growthmark::resources {

inline constexpr int kTurnCountEdit = 1002;
inline constexpr int kTurnCountSpin = 1003;

struct ControlTemplate {
    const char* className;
    int id; // -1 for a static text that nothing refers to
    int x, y, cx, cy;
    uint32_t style;
    const char* text;
};

struct DialogTemplate {
    int cx, cy;
    uint32_t style;
    const char* fontName;
    int pointSize;
    std::span<const ControlTemplate> controls;
};

enum class DialogLanguage { English, Russian };
const DialogTemplate& SettingsDialogTemplate(DialogLanguage language);

} // namespace growthmark::resources
