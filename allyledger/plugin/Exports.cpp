// The entry points of the plug-in. Each forwards to the same-named handler of the application
// object; every one is visible under its decorated name and under its bare name.
#include "AllyledgerApp.h"
#include "allyledger/dialogs/DialogTreatyUi.h"
#include "hostlink/PluginExports.h"

// The treaty commands ask the user through the plug-in's dialogs; the questions outlive the
// application object that uses them.
static allyledger::DialogTreatyUi dialogUi;
// The plug-in's one application object, made when the library is loaded.
static CAllyledgerApp theApp;
[[maybe_unused]] static const bool dialogUiInstalled = (theApp.Ui = &dialogUi, true);

PLUGIN_EXPORT void OnLoad() { theApp.OnLoad(); }
PLUGIN_EXPORT void OnInitialize(CMapStringToString& map) { theApp.OnInitialize(map); }
PLUGIN_EXPORT void OnClose() { theApp.OnClose(); }
PLUGIN_EXPORT void OnGamesListModified(CMapStringToString& map) { theApp.OnGamesListModified(map); }
PLUGIN_EXPORT void OnReportLoaded(CMapStringToString& map) { theApp.OnReportLoaded(map); }
PLUGIN_EXPORT void OnUserCommand(CMapStringToString& map) { theApp.OnUserCommand(map); }
PLUGIN_EXPORT void OnPlanetChanged(CMapStringToString& map) { theApp.OnPlanetChanged(map); }
PLUGIN_EXPORT void OnAbout(CMapStringToString& map) { theApp.OnAbout(map); }
PLUGIN_EXPORT void OnTableProcessor(CMapStringToString& map, CStringArray& row) { theApp.OnTableProcessor(map, row); }
PLUGIN_EXPORT void OnCallFunction(CMapStringToString& map, CStringArray& row) { theApp.OnCallFunction(map, row); }
PLUGIN_EXPORT void OnActivate(CMapStringToString& map) { theApp.OnActivate(map); }
PLUGIN_EXPORT void CreateConfig(CMapStringToString& map) { theApp.CreateConfig(map); }
PLUGIN_EXPORT void OnOK(CMapStringToString& map) { theApp.OnOK(map); }

PLUGIN_PLAIN_ALIAS(OnLoad, _Z6OnLoadv)
PLUGIN_PLAIN_ALIAS(OnInitialize, _Z12OnInitializeR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnClose, _Z7OnClosev)
PLUGIN_PLAIN_ALIAS(OnGamesListModified, _Z19OnGamesListModifiedR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnReportLoaded, _Z14OnReportLoadedR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnUserCommand, _Z13OnUserCommandR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnPlanetChanged, _Z15OnPlanetChangedR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnAbout, _Z7OnAboutR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnTableProcessor, _Z16OnTableProcessorR18CMapStringToStringR12CStringArray)
PLUGIN_PLAIN_ALIAS(OnCallFunction, _Z14OnCallFunctionR18CMapStringToStringR12CStringArray)
PLUGIN_PLAIN_ALIAS(OnActivate, _Z10OnActivateR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(CreateConfig, _Z12CreateConfigR18CMapStringToString)
PLUGIN_PLAIN_ALIAS(OnOK, _Z4OnOKR18CMapStringToString)
