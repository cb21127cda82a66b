// The templates of Allyledger's dialogs and the ids of their controls. Positions and sizes are
// in dialog units of "MS Sans Serif" 8.
#pragma once

#include "platform/framework/DialogTemplate.h"

namespace allyledger::resources {

// Sign treaty (dialog 8000).
namespace sign {
inline constexpr int kRace = 8001;
inline constexpr int kFromSpin = 8002;
inline constexpr int kFrom = 8003;
inline constexpr int kTill = 8004;
inline constexpr int kTillSpin = 8005;
inline constexpr int kConditions = 8020;
inline constexpr int kAdd = 8024;
} // namespace sign

// New condition (dialog 8009).
namespace newcondition {
inline constexpr int kAbbreviation = 8003;
inline constexpr int kMainText = 8004;
} // namespace newcondition

// The settings page (dialog 8006).
namespace settings {
inline constexpr int kShowInfo = 8001;
inline constexpr int kDefLenSpin = 8002;
inline constexpr int kDefLen = 8003;
inline constexpr int kExpThr = 8004;
inline constexpr int kExpThrSpin = 8005;
inline constexpr int kWarnOnReport = 8006;
inline constexpr int kWarnOnGame = 8007;
inline constexpr int kDeleteExpired = 8011;
// The "Use column" radio buttons run from 8014 (Status) to 8017 (Custom3).
inline constexpr int kStatusColumn = 8014;
inline constexpr int kStatusColumnLast = 8017;
inline constexpr int kDeclarePeace = 8018;
inline constexpr int kDeclareWar = 8019;
// The "Info column" radio buttons run from 8021 (Custom1) to 8023 (Custom3).
inline constexpr int kInfoColumn = 8021;
inline constexpr int kInfoColumnLast = 8023;
inline constexpr int kShowAll = 8025;
} // namespace settings

platform::DialogTemplate SignTreatyTemplate();
platform::DialogTemplate NewConditionTemplate();
platform::DialogTemplate SettingsPageTemplate();

} // namespace allyledger::resources
