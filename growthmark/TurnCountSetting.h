// The one setting of the plug-in, the number of turns to project: how the stored text reads,
// and what the settings page's field accepts.
#pragma once

#include "platform/core/String.h"

namespace growthmark {

inline constexpr unsigned kDefaultTurnCount = 10;
// The field accepts 5 to 50; its arrows step between 10 and 50.
inline constexpr unsigned kFieldLowest = 5;
inline constexpr unsigned kFieldHighest = 50;
inline constexpr unsigned kArrowsLowest = 10;
inline constexpr unsigned kArrowsHighest = 50;

// The turn count at start: the stored number, or the default when nothing is stored.
int TurnCountFromStored(const CString& stored);
// The value a new settings page starts with.
unsigned PageValueFromStored(const CString& stored);

enum class FieldCheck { Accepted, NotUnsigned, OutOfRange };
struct FieldResult {
    FieldCheck check = FieldCheck::NotUnsigned;
    unsigned value = 0;
};
// The field's text when it loses the focus: an unsigned integer from 5 to 50.
FieldResult CheckTurnCountField(const char* text);

// The settings page comes in English and Russian; the Russian one is chosen when the user's
// language for messages is Russian.
enum class PageLanguage { English, Russian };
PageLanguage PageLanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);
PageLanguage PageLanguageOfProcess();

} // namespace growthmark
