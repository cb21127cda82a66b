// The settings page's template, dialog 134, in its English and its Russian version. Both have
// the same layout; positions and sizes are in dialog units.
#pragma once

#include "platform/framework/DialogTemplate.h"

namespace growthmark::resources {

inline constexpr int kTurnCountEdit = 1002;
inline constexpr int kTurnCountSpin = 1003;

enum class DialogLanguage { English, Russian };
platform::DialogTemplate SettingsDialogTemplate(DialogLanguage language);

} // namespace growthmark::resources
