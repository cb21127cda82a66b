// The application object of the planet development projection plug-in.
#pragma once

#include "hostlink/PluginApp.h"

class CGrowthmarkApp : public CPluginApp {
public:
    CGrowthmarkApp();
};

extern CGrowthmarkApp theApp;
