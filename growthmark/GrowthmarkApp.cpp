#include "GrowthmarkApp.h"

#include "FrameworkDesktop.h"
#include "GrowthmarkTexts.h"
#include "TurnCountSetting.h"
#include "platform/core/Convert.h"

namespace {

// The host's rules for this plug-in: no race in requests, and every request is sent once.
constexpr hostlink::HostLinkPolicy kLinkPolicy{
    .sendRaceName = false,
    .repeatRefusedRequests = false,
    .readRequiresNoError = true,
    .repeatWritesUntilAccepted = false,
};

} // namespace

CGrowthmarkApp theApp;

CGrowthmarkApp::CGrowthmarkApp() : CPluginApp(kLinkPolicy), m_desktop(growthmark::MakeFrameworkDesktop()) {}

CGrowthmarkApp::~CGrowthmarkApp() = default;

void CGrowthmarkApp::SetDesktop(std::unique_ptr<growthmark::Desktop> desktop)
{
    m_desktop = std::move(desktop);
    m_settingsPage = nullptr;
}

void CGrowthmarkApp::OnLoad() { m_desktop->RegisterProjectionWindows(); }

void CGrowthmarkApp::OnInitialize(CMapStringToString& map)
{
    CPluginApp::OnInitialize(map);
    map["MenuItem"] = growthmark::kCommandText;
    Snapshot.number.Empty();
    CString stored;
    ReadRegistry(growthmark::kTurnCountKey, stored);
    TurnCount = growthmark::TurnCountFromStored(stored);
}

void CGrowthmarkApp::OnPlanetChanged(CMapStringToString& map) { Snapshot.TakePlanetEvent(map); }

void CGrowthmarkApp::OnDataChanged(CMapStringToString& map)
{
    if (!Snapshot.HoldsPlanet())
        return;
    const CString* game = map.PLookup("GameName");
    if (!game)
        return;
    CStringList parameters;
    parameters.AddTail("Planet");
    CString number;
    number.Format("#%s", Snapshot.number.GetString());
    parameters.AddTail(number);
    // The game name is copied first: the answer map is the plug-in's own, but the event map is
    // the host's and the host may change it while it serves the request.
    const CString gameName = *game;
    CMapStringToString answer;
    CallHost(gameName, "", uint32_t(platform::AtoI(Snapshot.turn)), "Get", parameters, answer);
    Snapshot.TakeHostRecord(answer);
}

void CGrowthmarkApp::OnUserCommand(CMapStringToString& map)
{
    const CString* game = map.PLookup("GameName");
    const CString* command = map.PLookup("Command");
    if (!game || !command)
        return;
    if (*command != growthmark::kCommandText)
        return;
    if (!Snapshot.HoldsPlanet()) {
        m_desktop->ShowMessage(growthmark::kSelectPlanetText);
        return;
    }
    const CString gameName = *game;
    m_desktop->OpenProjection(gameName);
}

void CGrowthmarkApp::CreateConfig(CMapStringToString& map)
{
    const CString* tree = map.PLookup("TreeCtrl");
    const CString* item = map.PLookup("Item");
    if (!map.PLookup("GameName") || !tree || !item)
        return;
    const intptr_t treeCtrl = intptr_t(platform::AtoL64(*tree));
    const intptr_t parentItem = intptr_t(platform::AtoL64(*item));
    if (treeCtrl == 0 || parentItem == 0)
        return;
    CString stored;
    ReadRegistry(growthmark::kTurnCountKey, stored);
    const unsigned value = growthmark::PageValueFromStored(stored);
    if (auto* page = m_desktop->CreateSettingsPage(treeCtrl, parentItem, value))
        m_settingsPage = page;
}

void CGrowthmarkApp::OnOK(CMapStringToString&)
{
    if (!m_settingsPage)
        return;
    TurnCount = int(m_settingsPage->Value());
    CString text;
    text.Format("%d", TurnCount);
    WriteRegistry(growthmark::kTurnCountKey, text);
}
