// Message boxes answered from a script. Nobody sits in front of a message box here: each one
// takes the next queued answer, or with none queued the box's way out (IDCANCEL, or IDNO or
// IDOK where that is the way out), and is logged with its caption, text and answer.
#pragma once

#include <deque>

#include "WinTypes.h"

namespace platform {

class PLATFORM_API MessageBoxScript {
public:
    static MessageBoxScript& Instance();
    void Reset() { m_answers.clear(); }

    void Queue(int answer) { m_answers.push_back(answer); }
    std::size_t Pending() const { return m_answers.size(); }
    int Answer(const char* text, const char* caption, UINT type);

private:
    std::deque<int> m_answers;
};

} // namespace platform

// Shows (logs) a message box and returns the button chosen.
PLATFORM_API int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
