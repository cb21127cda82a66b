// The settings page that the plug-in places into the host's settings dialog: the number of turns
// to project, typed or stepped with the arrows.
#pragma once

#include "Desktop.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/SpinButtonCtrl.h"

class CTurnCountPage : public CDialog, public growthmark::SettingsPage {
public:
    CTurnCountPage();

    unsigned Value() const override { return m_turns; }
    void SetValue(unsigned turns) { m_turns = turns; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnFieldKillFocus();

    UINT m_turns = 10;
    CSpinButtonCtrl m_spin;
};
