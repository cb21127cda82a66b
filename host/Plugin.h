// A plug-in library as the host sees it: the loaded file, its entry points, and the entries it
// wrote back at initialisation.
#pragma once

#include <string>

#include "platform/core/Collections.h"

namespace refhost {

struct EntryPoints {
    void (*OnLoad)() = nullptr;
    void (*OnInitialize)(CMapStringToString&) = nullptr;
    void (*OnClose)() = nullptr;
    void (*OnDataChanged)(CMapStringToString&) = nullptr;
    void (*OnGamesListModified)(CMapStringToString&) = nullptr;
    void (*OnTurnChanged)(CMapStringToString&) = nullptr;
    void (*OnReportLoaded)(CMapStringToString&) = nullptr;
    void (*OnUserCommand)(CMapStringToString&) = nullptr;
    void (*OnPlanetChanged)(CMapStringToString&) = nullptr;
    void (*OnAbout)(CMapStringToString&) = nullptr;
    void (*OnTableProcessor)(CMapStringToString&, CStringArray&) = nullptr;
    int (*OnTableFilter)(CMapStringToString&, CStringArray&) = nullptr;
    void (*OnCallFunction)(CMapStringToString&, CStringArray&) = nullptr;
    void (*OnActivate)(CMapStringToString&) = nullptr;
    void (*CreateConfig)(CMapStringToString&) = nullptr;
    void (*OnOK)(CMapStringToString&) = nullptr;
};

class Plugin {
public:
    Plugin() = default;
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;
    ~Plugin();

    // Loads the library and resolves its entry points, each by its decorated name first and by
    // its bare name second. Returns an error text when the file is not a plug-in.
    std::string Open(const std::string& path);

    const std::string& Path() const { return m_path; }
    // The file name without "lib" and ".so": the name the user knows the plug-in by.
    const std::string& Name() const { return m_name; }
    const EntryPoints& Entry() const { return m_entry; }
    CMapStringToString& Registration() { return m_registration; }
    const CMapStringToString& Registration() const { return m_registration; }

private:
    std::string m_path;
    std::string m_name;
    void* m_handle = nullptr;
    EntryPoints m_entry;
    CMapStringToString m_registration;
};

} // namespace refhost
