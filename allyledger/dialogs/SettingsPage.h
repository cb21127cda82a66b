// The plug-in's page in the host's settings window. Its controls are bound to the plug-in's
// settings themselves: loading shows them, storing copies the controls into them unchecked.
#pragma once

#include "allyledger/plugin/Settings.h"
#include "platform/framework/Dialog.h"

class CSettingsPage : public CDialog {
public:
    // Makes the page, hidden, as a child of the parent; null when its window cannot be made.
    // The page then belongs to its window and goes with it.
    static CSettingsPage* Open(allyledger::Settings& settings, CWnd* parent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;

private:
    explicit CSettingsPage(allyledger::Settings& settings);
    void OnLeaveDefaultLength();
    void OnLeaveThreshold();
    void HoldWithinArrows(int spinId, int fallback);

    allyledger::Settings& m_settings;
    bool m_ownedByWindow = false;
};
