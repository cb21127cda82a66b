// The plug-in's settings: their defaults, how they are read from the host's settings store at
// start and how they are written back.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"

class CPluginApp;

namespace allyledger {

// "Never", "Explicit", "Always": when the "Show all pacts" and "Show conditions" options apply.
enum ShowWhen : int { ShowNever = 0, ShowExplicit = 1, ShowAlways = 2 };

struct Settings {
    CString DefLenText = "10";
    int DefLen = 10;
    CString ExpThrText = "5";
    int ExpThr = 5;
    int ColNum = 0;
    int InfNum = 0;
    int ShowAll = ShowExplicit;
    int ShowInfo = ShowAlways;
    int WarnOnReport = 1;
    int WarnOnGame = 0;
    int DeleteExpired = 0;
    int DeclarePeaceOnSign = 1;
    int DeclareWarOnBreak = 1;
    CRect WarnRect{0, 0, 500, 300};

    // Race table cells: the pact goes to StatusColumn, its conditions to InfoColumn.
    int StatusColumn = 8;
    int InfoColumn = 17;

    void UpdateColumns();
    // Takes the five flags from a stored flags text.
    void SetFlags(const CString& flags);
    CString FlagsText() const;

    // Reads every setting the host has, in the order the host expects the requests.
    void Read(CPluginApp& app);
    // Takes over the numbers of the texts the settings page edited, then stores everything
    // except the window rectangle.
    void Store(CPluginApp& app);
    void StoreWindowRect(CPluginApp& app) const;
};

} // namespace allyledger
