// The plug-in's own texts and setting names, as the host and the user see them.
#pragma once

namespace growthmark {

// The host offers the plug-in's command under this text and sends it back as "Command".
inline constexpr const char kCommandText[] = "Growthmark";
inline constexpr const char kSelectPlanetText[] = "Select planet,pls.";
inline constexpr const char kTurnCountKey[] = "Growthmark\\row";
inline constexpr const char kTreeItemText[] = "Growth Mark";
inline constexpr const char kOutOfMemoryText[] = "Out of memory.";

} // namespace growthmark
