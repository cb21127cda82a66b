// The planet that the user last selected in the host, as the host last described it. It is a
// copy: a projection takes its own copy of the numbers when it is opened.
#pragma once

#include "platform/core/Collections.h"

struct PlanetSnapshot {
    CString turn;
    CString name;
    // Empty while no planet is held.
    CString number;
    CString production;
    double size = 0;
    double population = 0;
    double industry = 0;
    double resources = 0;
    double materials = 0;
    double colonists = 0;
    double capital = 0;
    double productivity = 0;

    bool HoldsPlanet() const { return !number.IsEmpty(); }

    // A planet event: nothing without "GameName" and "Owner"; otherwise the keys are taken in
    // their fixed order until the first one that is missing.
    void TakePlanetEvent(const CMapStringToString& map);
    // The host's answer to "Get": every field is replaced, a missing key reading as empty.
    void TakeHostRecord(const CMapStringToString& answer);
};
