// The application class of a plug-in: the four values the host hands over at start, the
// handlers behind the exported entry points, and the requests a plug-in sends to the host.
#pragma once

#include <cstdint>

#include "HostLinkPolicy.h"
#include "platform/core/Collections.h"
#include "platform/framework/WinApp.h"

// The host function behind "DataManager": it takes the request map and answers into it.
using HostCallback = void (*)(CMapStringToString*);

class CPluginApp : public CWinApp {
public:
    explicit CPluginApp(const hostlink::HostLinkPolicy& policy);

    // Handlers, in the order the host's table of entry points lists them.
    virtual void OnLoad();
    virtual void OnInitialize(CMapStringToString& map);
    virtual void OnClose();
    virtual void OnDataChanged(CMapStringToString& map);
    virtual void OnGamesListModified(CMapStringToString& map);
    virtual void OnTurnChanged(CMapStringToString& map);
    virtual void OnReportLoaded(CMapStringToString& map);
    virtual void OnUserCommand(CMapStringToString& map);
    virtual void OnPlanetChanged(CMapStringToString& map);
    virtual void OnAbout(CMapStringToString& map);
    virtual void OnTableProcessor(CMapStringToString& map, CStringArray& row);
    virtual int OnTableFilter(CMapStringToString& map, CStringArray& row);
    virtual void CreateConfig(CMapStringToString& map);
    virtual void OnOK(CMapStringToString& map);

    // A general request: answer is emptied, filled with the request, sent, and holds the reply.
    void CallHost(const char* game, const char* race, uint32_t turn, const char* function,
                  const CStringList& parameters, CMapStringToString& answer);
    void ReadRegistry(const char* name, CString& value);
    void WriteRegistry(const char* name, const char* value);

    const hostlink::HostLinkPolicy& Policy() const { return m_policy; }

    // Handles and addresses travel as decimal text; they are kept as wide as an address here.
    int32_t EventMask = 0;
    intptr_t MainFrame = 0;
    HostCallback DataManager = nullptr;
    intptr_t MainFramePtr = 0;

private:
    void BuildRequest(const char* game, const char* race, uint32_t turn, const char* function,
                      const CStringList& parameters, CMapStringToString& answer) const;

    hostlink::HostLinkPolicy m_policy;
};
