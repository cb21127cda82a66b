// How a plug-in's link layer treats the host's answers. The two plug-ins were built with
// different rules; each passes its own policy to CPluginApp.
#pragma once

namespace hostlink {

struct HostLinkPolicy {
    // A general request carries "RaceName".
    bool sendRaceName = true;
    // A general request answered with "Busy" or "Access Denied" is rebuilt and sent again.
    bool repeatRefusedRequests = true;
    // "ReadRegistry" takes the value only when "LastError" is empty or absent.
    bool readRequiresNoError = false;
    // "WriteRegistry" is sent again until "LastError" comes back empty.
    bool repeatWritesUntilAccepted = true;
};

// A host that keeps refusing would keep a plug-in sending for ever. After this many sends of one
// request the plug-in gives up and goes on as if the host had not answered at all.
inline constexpr int kMaxHostRequestSends = 10000;

} // namespace hostlink
