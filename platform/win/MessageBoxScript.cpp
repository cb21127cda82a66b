#include "MessageBoxScript.h"

#include <string>

#include "EventLog.h"
#include "WinApi.h"

namespace platform {

MessageBoxScript& MessageBoxScript::Instance()
{
    static MessageBoxScript& script = *new MessageBoxScript;
    return script;
}

static int WayOutOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
    }
}

static std::string AnswerName(int answer)
{
    static const char* names[] = {"0", "IDOK", "IDCANCEL", "IDABORT", "IDRETRY", "IDIGNORE", "IDYES", "IDNO"};
    return answer >= 0 && answer <= IDNO ? names[answer] : std::to_string(answer);
}

int MessageBoxScript::Answer(const char* text, const char* caption, UINT type)
{
    std::string line = std::string("message box '") + (caption ? caption : "") + "': " + (text ? text : "");
    int answer = 0;
    if (m_answers.empty()) {
        answer = WayOutOf(type);
        line += " -> no answer queued, " + AnswerName(answer);
    } else {
        answer = m_answers.front();
        m_answers.pop_front();
        line += " -> " + AnswerName(answer);
    }
    EventLog::Instance().Add(std::move(line));
    return answer;
}

} // namespace platform

int MessageBox(HWND, LPCTSTR text, LPCTSTR caption, UINT type)
{
    return platform::MessageBoxScript::Instance().Answer(text, caption ? caption : "Error", type);
}
