// The application object of the planet development projection plug-in.
#pragma once

#include <memory>

#include "Desktop.h"
#include "PlanetSnapshot.h"
#include "hostlink/PluginApp.h"

class CGrowthmarkApp : public CPluginApp {
public:
    CGrowthmarkApp();
    ~CGrowthmarkApp() override;

    void OnLoad() override;
    void OnInitialize(CMapStringToString& map) override;
    void OnDataChanged(CMapStringToString& map) override;
    void OnUserCommand(CMapStringToString& map) override;
    void OnPlanetChanged(CMapStringToString& map) override;
    void CreateConfig(CMapStringToString& map) override;
    void OnOK(CMapStringToString& map) override;

    // The windows the plug-in opens go through the desktop; a test gives its own.
    void SetDesktop(std::unique_ptr<growthmark::Desktop> desktop);
    growthmark::Desktop& Desktop() { return *m_desktop; }

    // Turns to project; raised to the minimum by the projection itself.
    int TurnCount = 0;
    PlanetSnapshot Snapshot;

private:
    std::unique_ptr<growthmark::Desktop> m_desktop;
    // The newest settings page; the host owns it.
    growthmark::SettingsPage* m_settingsPage = nullptr;
};

extern CGrowthmarkApp theApp;
