// The application object of the treaty register plug-in.
#pragma once

#include "hostlink/PluginApp.h"

class CAllyledgerApp : public CPluginApp {
public:
    CAllyledgerApp();

    void OnAbout(CMapStringToString& map) override;

    // Entry points of this plug-in alone; the host reaches them by name, not through the table.
    void OnCallFunction(CMapStringToString& map, CStringArray& unused);
    void OnActivate(CMapStringToString& map);
};

extern CAllyledgerApp theApp;
