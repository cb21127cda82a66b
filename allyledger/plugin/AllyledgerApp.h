// The application object of the treaty register plug-in: the register, the settings and the
// current context live here, for as long as the library is loaded.
#pragma once

#include "Settings.h"
#include "TreatyUi.h"
#include "allyledger/register/PactRegister.h"
#include "hostlink/PluginApp.h"

class CMultiDocTemplate;

class CAllyledgerApp : public CPluginApp {
public:
    CAllyledgerApp();
    ~CAllyledgerApp() override;

    // The application object that handlers and windows of this plug-in work with.
    static CAllyledgerApp& Instance();

    void OnInitialize(CMapStringToString& map) override;
    void OnClose() override;
    void OnGamesListModified(CMapStringToString& map) override;
    void OnReportLoaded(CMapStringToString& map) override;
    void OnUserCommand(CMapStringToString& map) override;
    void OnPlanetChanged(CMapStringToString& map) override;
    void OnAbout(CMapStringToString& map) override;
    void OnTableProcessor(CMapStringToString& map, CStringArray& row) override;
    void CreateConfig(CMapStringToString& map) override;
    void OnOK(CMapStringToString& map) override;

    // Entry points of this plug-in alone; the host reaches them by name, not through the table.
    void OnCallFunction(CMapStringToString& map, CStringArray& unused);
    void OnActivate(CMapStringToString& map);

    CPactRegister Register;
    CString IniPath;
    allyledger::Settings Settings;

    // The latest game, own race, owner key and turn a handler was told about.
    CString CurrentGame;
    CString CurrentRace;
    CString CurrentOwner;
    int CurrentTurn = 0;
    // The owner key and the owner of the planet the user last selected.
    CString PlanetOwnerKey;
    CString PlanetOwner;
    // Owner keys the games list has already been handled for since the plug-in was loaded.
    CStringList SeenOwners;

    // The template of the warnings windows; it keeps the list of open ones.
    CMultiDocTemplate* WarnTemplate = nullptr;
    // Options of the next warnings window to open.
    bool WarnShowAll = false;
    bool WarnShowConditions = false;
    // Opens a warnings window for the current owner key and turn.
    void OpenWarnings();

    // Where the treaty commands ask the user; none makes every question end as cancelled.
    allyledger::TreatyUi* Ui = nullptr;

private:
    // The races a treaty command is meant for: the host's answer holds them as "1", "2", ...
    struct CommandTargets {
        CMapStringToString answer;
        int count = 0;
        CString first;
    };
    bool FindTargets(const CString& view, CommandTargets& targets);
    void SelectionOf(const char* view, const char* column, CMapStringToString& answer);
    // A request about the current context whose answer nothing reads ("Refresh", "Add").
    void Tell(const char* function, const CStringList& parameters);
    void RefreshRaceTable();
    bool SignTreaty(CommandTargets& targets);
    bool BreakTreaties(CommandTargets& targets);
    void FinishCommand();
    void StoreConditions();
    void RebuildOwner() { CurrentOwner = CurrentGame + "/" + CurrentRace; }
    // Takes "GameName" and "RaceName" into the current context; false when one is missing.
    bool TakeGameAndRace(CMapStringToString& map);
    void ReadConditions();
    void WriteRegistration(CMapStringToString& map) const;
    // Opens a warnings window when a pact of the current owner expires within ExpThr turns.
    void WarnIfExpiring();
    int ListCurrentTurn();
};
