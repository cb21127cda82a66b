#include "AllyledgerApp.h"

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

} // namespace

CAllyledgerApp theApp;

CAllyledgerApp::CAllyledgerApp() : CPluginApp(kLinkPolicy) {}

void CAllyledgerApp::OnAbout(CMapStringToString& map)
{
    map["Name"] = "Allyledger";
    map["Author"] = "Vellmor";
    map["Version"] = "v.2.2";
    map["Date"] = "09/05/2001";
    map["Description"] = kDescription;
}

void CAllyledgerApp::OnCallFunction(CMapStringToString&, CStringArray&) {}

void CAllyledgerApp::OnActivate(CMapStringToString&) {}
