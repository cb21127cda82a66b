#include "AllyledgerApp.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "WarnDoc.h"
#include "WarnView.h"
#include "allyledger/dialogs/SettingsPage.h"
#include "platform/core/Convert.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/ModuleState.h"
#include "platform/framework/MultiDocTemplate.h"
#include "platform/framework/TreeCtrl.h"

namespace {

// The host's rules for this plug-in: the race goes with every request, and refusals are retried.
constexpr hostlink::HostLinkPolicy kLinkPolicy{
    .sendRaceName = true,
    .repeatRefusedRequests = true,
    .readRequiresNoError = false,
    .repeatWritesUntilAccepted = true,
};

// "Treaty register", in code page 1251 as the host shows it.
constexpr const char* kDescription = "\xD0\xE5\xE3\xE8\xF1\xF2\xF0\xE0\xF2\xEE\xF0\x20\xE4\xEE\xE3\xEE\xE2\xEE\xF0\xEE\xE2";

// The entries the plug-in registers with the host, in the order the host reads them.
constexpr const char* kRegistration[][2] = {
    {"MenuItem", "Pact warnings"},     {"MenuItem:51467", "Allyledger"}, {"1:51467", "Sign treaty"},
    {"2:51467", "Break treaty"},       {"MenuItem:1", "Allyledger"},     {"1:1", "Sign treaty"},
    {"2:1", "Break treaty"},           {"MenuItem:51691", "Allyledger"}, {"1:51691", "Sign treaty"},
    {"2:51691", "Break treaty"},       {"PrepareTable:51467", "13"},     {"Function:GetPact", "1"},
    {"Function:GetPactEx", "2"},
};

CAllyledgerApp* s_instance = nullptr;

constexpr UINT kWarnResourceId = 8003;

// The process's current directory, however long it is.
CString currentDirectory()
{
    std::vector<char> buffer(256);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return CString();
        buffer.resize(buffer.size() * 2);
    }
    return CString(buffer.data());
}

} // namespace

CAllyledgerApp::CAllyledgerApp() : CPluginApp(kLinkPolicy) { s_instance = this; }

CAllyledgerApp::~CAllyledgerApp()
{
    // The warnings windows read the settings while they close, so they go while those exist.
    CloseAllDocuments(TRUE);
    if (s_instance == this)
        s_instance = nullptr;
}

CAllyledgerApp& CAllyledgerApp::Instance() { return *s_instance; }

void CAllyledgerApp::OnInitialize(CMapStringToString& map)
{
    WarnTemplate = new CMultiDocTemplate(kWarnResourceId, RUNTIME_CLASS(CWarnDoc), RUNTIME_CLASS(CMDIChildWnd),
                                         RUNTIME_CLASS(CWarnView), "\nAllyledger\nAllyledger");
    AddDocTemplate(WarnTemplate);
    CPluginApp::OnInitialize(map);
    IniPath = currentDirectory() + "/PLUGINS/Allyledger.ini";
    Register.Load(IniPath);
    Settings.Read(*this);
    ReadConditions();
    WriteRegistration(map);
}

void CAllyledgerApp::ReadConditions()
{
    CString count;
    ReadRegistry("Allyledger\\Conditions", count);
    if (count.IsEmpty())
        return;
    const int n = platform::AtoI(count);
    for (int i = 0; i < n; ++i) {
        CString name, abbreviation, text;
        name.Format("Allyledger\\Conditions\\%d", i);
        ReadRegistry(name, abbreviation);
        ReadRegistry(name + "\\string", text);
        if (!abbreviation.IsEmpty() && !text.IsEmpty())
            Register.AddCondition(abbreviation, text);
    }
}

void CAllyledgerApp::WriteRegistration(CMapStringToString& map) const
{
    for (const auto& [key, value] : kRegistration)
        map[key] = value;
}

void CAllyledgerApp::OnOK(CMapStringToString& map)
{
    Settings.Store(*this);
    if (!map.Lookup("GameName", CurrentGame) || !map.Lookup("RaceName", CurrentRace))
        return;
    RebuildOwner();
    CString turn;
    if (!map.Lookup("Turn", turn))
        return;
    CurrentTurn = platform::AtoI(turn);
    RefreshRaceTable();
}

void CAllyledgerApp::OnClose() { Settings.StoreWindowRect(*this); }

void CAllyledgerApp::OnAbout(CMapStringToString& map)
{
    map["Name"] = "Allyledger";
    map["Author"] = "Vellmor";
    map["Version"] = "v.2.2";
    map["Date"] = "09/05/2001";
    map["Description"] = kDescription;
}

bool CAllyledgerApp::TakeGameAndRace(CMapStringToString& map)
{
    if (!map.Lookup("GameName", CurrentGame) || !map.Lookup("RaceName", CurrentRace))
        return false;
    RebuildOwner();
    return true;
}

void CAllyledgerApp::OnTableProcessor(CMapStringToString& map, CStringArray& row)
{
    CString id, turn;
    if (!map.Lookup("ID", id) || id != "13")
        return;
    if (!TakeGameAndRace(map) || !map.Lookup("Turn", turn))
        return;
    CurrentTurn = platform::AtoI(turn);
    // A row too short for the chosen columns is left as the host made it.
    if (row.GetSize() == 0 || Settings.StatusColumn >= row.GetSize() || Settings.InfoColumn >= row.GetSize())
        return;
    const CString race = row[0];
    const int expiry = Register.GetExpiry(CurrentOwner, race, CurrentTurn);
    if (expiry == 0)
        return;
    row[Settings.StatusColumn].Format("Pact(%d)", expiry);
    const CString conditions = Register.GetConditions(CurrentOwner, race, CurrentTurn);
    if (conditions.IsEmpty())
        return;
    CString& info = row[Settings.InfoColumn];
    info = info.IsEmpty() ? conditions : info + "/" + conditions;
}

void CAllyledgerApp::OnReportLoaded(CMapStringToString& map)
{
    platform::HostModuleScope hostContext;
    CString turn;
    if (!TakeGameAndRace(map) || !map.Lookup("Turn", turn))
        return;
    CurrentTurn = platform::AtoI(turn);
    if (Settings.DeleteExpired)
        Register.RemoveExpired(CurrentOwner, CurrentTurn);
    if (Settings.WarnOnReport)
        WarnIfExpiring();
}

void CAllyledgerApp::WarnIfExpiring()
{
    CStringArray lines;
    Register.GetExpiryWarnings(CurrentOwner, CurrentTurn, Settings.ExpThr, lines, CPactRegister::ConditionLines::Omit);
    if (lines.GetSize() == 0)
        return;
    WarnShowAll = Settings.ShowAll > allyledger::ShowExplicit;
    WarnShowConditions = Settings.ShowInfo > allyledger::ShowExplicit;
    OpenWarnings();
}

void CAllyledgerApp::OnCallFunction(CMapStringToString& map, CStringArray&)
{
    // Missing keys read as empty texts, and are added so.
    const CString game = map["GameName"];
    const CString race = map["RaceName"];
    const int turn = platform::AtoI(map["Turn"]);
    const CString function = map["FuncName"];
    if (function == "GetPact") {
        if (map["Parameters.Count"] != "1")
            return;
        map["Return"].Format("%d", Register.GetExpiry(game + "/" + race, map["Parameter.1"], turn));
    } else if (function == "GetPactEx") {
        if (map["Parameters.Count"] != "2")
            return;
        const CString first = map["Parameter.1"];
        const CString second = map["Parameter.2"];
        int result = Register.GetExpiry(game + "/" + first, second, turn);
        if (result == 0)
            result = Register.GetExpiry(game + "/" + second, first, turn);
        map["Return"].Format("%d", result);
    }
}

void CAllyledgerApp::OnPlanetChanged(CMapStringToString& map)
{
    if (!map.Lookup("GameName", CurrentGame))
        return;
    RebuildOwner();
    PlanetOwnerKey = CurrentOwner;
    map.Lookup("Owner", PlanetOwner);
}

int CAllyledgerApp::ListCurrentTurn()
{
    CStringList parameters;
    parameters.AddTail("Turns");
    CMapStringToString answer;
    CallHost(CurrentGame, CurrentRace, 0, "List", parameters, answer);
    int turn = 0;
    answer.ForEach([&](const CString& key, const CString&) {
        const int k = platform::AtoI(key) - 1;
        if (k >= turn)
            turn = k;
    });
    return turn;
}

void CAllyledgerApp::OnGamesListModified(CMapStringToString& map)
{
    platform::HostModuleScope hostContext;
    CString count;
    if (!map.Lookup("Count", count))
        return;
    const int n = platform::AtoI(count);
    for (int i = 1; i <= n; ++i) {
        CString gameKey, raceKey;
        gameKey.Format("Game.%d", i);
        raceKey.Format("Race.%d", i);
        if (!map.Lookup(gameKey, CurrentGame) || !map.Lookup(raceKey, CurrentRace))
            return;
        RebuildOwner();
        if (SeenOwners.Find(CurrentOwner))
            continue;
        SeenOwners.AddTail(CurrentOwner);
        Register.RenameOwner(CurrentGame, CurrentOwner);
        CurrentTurn = ListCurrentTurn();
        if (Settings.DeleteExpired)
            Register.RemoveExpired(CurrentOwner, CurrentTurn);
        if (Settings.WarnOnGame)
            WarnIfExpiring();
    }
}

void CAllyledgerApp::OnActivate(CMapStringToString& map)
{
    if (!TakeGameAndRace(map) || !WarnTemplate)
        return;
    for (POSITION pos = WarnTemplate->GetFirstDocPosition(); pos;)
        WarnTemplate->GetNextDoc(pos)->UpdateAllViews(nullptr, CWarnView::HintVisibility);
}

// The host hands over its settings tree and the item that plug-in pages hang under, both as
// decimal addresses; the page itself is the new item's data.
void CAllyledgerApp::CreateConfig(CMapStringToString& map)
{
    const CString* treeText = map.PLookup("TreeCtrl");
    if (!treeText || platform::AtoL64(*treeText) == 0)
        return;
    const CString* itemText = map.PLookup("Item");
    if (!itemText || platform::AtoL64(*itemText) == 0)
        return;
    auto* tree = reinterpret_cast<CTreeCtrl*>(intptr_t(platform::AtoL64(*treeText)));
    const auto parentItem = reinterpret_cast<HTREEITEM>(intptr_t(platform::AtoL64(*itemText)));
    CSettingsPage* page = CSettingsPage::Open(Settings, tree->GetParent());
    if (!page)
        return;
    tree->InsertItem(TVIF_TEXT | TVIF_PARAM, "Allyledger", 0, 0, 0, 0, reinterpret_cast<LPARAM>(page), parentItem, TVI_LAST);
}

void CAllyledgerApp::OpenWarnings()
{
    if (!WarnTemplate)
        return;
    // The window belongs in the host's main frame, whoever asked for it.
    platform::HostModuleScope hostContext;
    WarnTemplate->OpenDocumentFile(nullptr);
}
