// A host for tests: keeps a settings store, answers requests from per-function handlers, and
// records every request it was sent. Its callback is what a plug-in gets as "DataManager".
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/core/Collections.h"

namespace testing_support {

using Entries = std::map<std::string, std::string>;

inline Entries EntriesOf(const CMapStringToString& map)
{
    Entries out;
    map.ForEach([&](const CString& k, const CString& v) { out[k.str()] = v.str(); });
    return out;
}

class FakeHost {
public:
    FakeHost() { s_current = this; }
    ~FakeHost()
    {
        if (s_current == this)
            s_current = nullptr;
    }

    std::map<std::string, std::string> settings;
    std::vector<Entries> received;
    std::map<std::string, std::function<void(CMapStringToString&)>> functions;

    // The requests for one function, in the order they came.
    std::vector<Entries> Requests(const std::string& function) const
    {
        std::vector<Entries> out;
        for (const auto& r : received)
            if (r.count("Function") && r.at("Function") == function)
                out.push_back(r);
        return out;
    }

    // The initialisation map that hands this host's callback to a plug-in.
    static CMapStringToString InitMap()
    {
        CMapStringToString map;
        map["DataManager"] = std::to_string(reinterpret_cast<intptr_t>(&FakeHost::Callback)).c_str();
        return map;
    }

    static void Callback(CMapStringToString* request)
    {
        FakeHost& host = *s_current;
        host.received.push_back(EntriesOf(*request));
        const CString function = (*request)["Function"];
        const CString name = (*request)["Name"];
        if (function == "ReadRegistry") {
            if (auto hit = host.settings.find(name.str()); hit != host.settings.end())
                (*request)[name] = hit->second.c_str();
        } else if (function == "WriteRegistry") {
            host.settings[name.str()] = (*request)[name].str();
        } else if (auto hit = host.functions.find(function.str()); hit != host.functions.end()) {
            hit->second(*request);
        }
        (*request)["LastError"] = "";
    }

private:
    static inline FakeHost* s_current = nullptr;
};

} // namespace testing_support
