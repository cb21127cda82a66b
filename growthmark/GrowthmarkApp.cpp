#include "GrowthmarkApp.h"

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

CGrowthmarkApp::CGrowthmarkApp() : CPluginApp(kLinkPolicy) {}
