#include "PluginApp.h"

#include "platform/core/Convert.h"

namespace {

bool isRefusal(const CString& lastError) { return lastError == "Busy" || lastError == "Access Denied"; }

} // namespace

CPluginApp::CPluginApp(const hostlink::HostLinkPolicy& policy) : CWinApp(nullptr), m_policy(policy) {}

void CPluginApp::OnLoad() {}

void CPluginApp::OnInitialize(CMapStringToString& map)
{
    CString value;
    if (map.Lookup("MainFrame", value))
        MainFrame = intptr_t(platform::AtoL64(value));
    if (map.Lookup("DataManager", value))
        DataManager = reinterpret_cast<HostCallback>(intptr_t(platform::AtoL64(value)));
    if (map.Lookup("EventMask", value))
        EventMask = platform::AtoL(value);
    if (map.Lookup("MainFramePtr", value))
        MainFramePtr = intptr_t(platform::AtoL64(value));
}

void CPluginApp::OnClose() {}
void CPluginApp::OnDataChanged(CMapStringToString&) {}
void CPluginApp::OnGamesListModified(CMapStringToString&) {}
void CPluginApp::OnTurnChanged(CMapStringToString&) {}
void CPluginApp::OnReportLoaded(CMapStringToString&) {}
void CPluginApp::OnUserCommand(CMapStringToString&) {}
void CPluginApp::OnPlanetChanged(CMapStringToString&) {}
void CPluginApp::OnAbout(CMapStringToString&) {}
void CPluginApp::OnTableProcessor(CMapStringToString&, CStringArray&) {}
int CPluginApp::OnTableFilter(CMapStringToString&, CStringArray&) { return 1; }
void CPluginApp::CreateConfig(CMapStringToString&) {}
void CPluginApp::OnOK(CMapStringToString&) {}

void CPluginApp::BuildRequest(const char* game, const char* race, uint32_t turn, const char* function,
                              const CStringList& parameters, CMapStringToString& answer) const
{
    answer.RemoveAll();
    answer["GameName"] = game;
    if (m_policy.sendRaceName)
        answer["RaceName"] = race;
    CString number;
    number.Format("%u", turn);
    answer["Turn"] = number;
    answer["Function"] = function;
    number.Format("%u", unsigned(parameters.GetCount()));
    answer["Parameters.Count"] = number;
    unsigned index = 0;
    for (POSITION pos = parameters.GetHeadPosition(); pos;) {
        CString key;
        key.Format("Parameter.%u", ++index);
        answer[key] = parameters.GetNext(pos);
    }
}

void CPluginApp::CallHost(const char* game, const char* race, uint32_t turn, const char* function,
                          const CStringList& parameters, CMapStringToString& answer)
{
    if (!DataManager)
        return;
    for (int sends = 1;; ++sends) {
        BuildRequest(game, race, turn, function, parameters, answer);
        DataManager(&answer);
        // Reading "LastError" this way leaves an empty one in the answer when the host set none.
        if (!m_policy.repeatRefusedRequests || !isRefusal(answer["LastError"]))
            return;
        if (sends == hostlink::kMaxHostRequestSends) {
            answer.RemoveAll();
            return;
        }
    }
}

void CPluginApp::ReadRegistry(const char* name, CString& value)
{
    value.Empty();
    if (!DataManager)
        return;
    CMapStringToString request;
    request["Function"] = "ReadRegistry";
    request["Name"] = name;
    DataManager(&request);
    if (m_policy.readRequiresNoError) {
        CString lastError;
        if (request.Lookup("LastError", lastError) && !lastError.IsEmpty())
            return;
    }
    request.Lookup(name, value);
}

void CPluginApp::WriteRegistry(const char* name, const char* value)
{
    if (!DataManager)
        return;
    CMapStringToString request;
    for (int sends = 1;; ++sends) {
        request.RemoveAll();
        request["Function"] = "WriteRegistry";
        request["Name"] = name;
        request[name] = value;
        DataManager(&request);
        CString lastError;
        request.Lookup("LastError", lastError);
        if (!m_policy.repeatWritesUntilAccepted || lastError.IsEmpty() || sends == hostlink::kMaxHostRequestSends)
            return;
    }
}
