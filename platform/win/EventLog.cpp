#include "EventLog.h"

namespace platform {

EventLog& EventLog::Instance()
{
    static EventLog& log = *new EventLog;
    return log;
}

void EventLog::Add(std::string line)
{
    if (m_sink)
        m_sink(line);
    m_lines.push_back(std::move(line));
}

BOOL EventLog::Contains(const std::string& text) const
{
    for (const auto& line : m_lines)
        if (line.find(text) != std::string::npos)
            return TRUE;
    return FALSE;
}

} // namespace platform
