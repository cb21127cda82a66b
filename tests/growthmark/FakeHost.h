// A host behind the plug-in's callback: it records every request and answers from a script.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/core/Collections.h"

namespace growthmark_test {

using Entries = std::map<std::string, std::string>;

inline Entries entriesOf(const CMapStringToString& map)
{
    Entries out;
    map.ForEach([&](const CString& k, const CString& v) { out[k.str()] = v.str(); });
    return out;
}

inline void fill(CMapStringToString& map, const Entries& entries)
{
    for (const auto& [k, v] : entries)
        map[k.c_str()] = v.c_str();
}

struct FakeHost {
    std::vector<Entries> received;
    // Answers a request by adding entries to it; the default answers nothing.
    std::function<Entries(const Entries&)> answer = [](const Entries&) { return Entries{}; };

    static FakeHost*& current()
    {
        static FakeHost* host = nullptr;
        return host;
    }
    static void Callback(CMapStringToString* request)
    {
        FakeHost& host = *current();
        host.received.push_back(entriesOf(*request));
        fill(*request, host.answer(host.received.back()));
    }
    // The initialisation entry that hands this host's callback to a plug-in.
    static std::string Address() { return std::to_string(reinterpret_cast<intptr_t>(&FakeHost::Callback)); }
};

} // namespace growthmark_test
