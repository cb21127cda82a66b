// A running record of what the window system did on behalf of queued input: deliveries, modal
// loops that ended themselves, message-box answers. Tests read it; the host prints it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../core/Types.h"

namespace platform {

class PLATFORM_API EventLog {
public:
    static EventLog& Instance();

    void Add(std::string line);
    const std::vector<std::string>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }
    // Whether any line contains the text.
    BOOL Contains(const std::string& text) const;
    // Receives every line as it is added (the host echoes the log this way).
    void SetSink(std::function<void(const std::string&)> sink) { m_sink = std::move(sink); }

private:
    std::vector<std::string> m_lines;
    std::function<void(const std::string&)> m_sink;
};

} // namespace platform
