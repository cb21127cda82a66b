// Commands that look at the windows the plug-ins opened in the host's main frame.
#include <ostream>

#include "Host.h"
#include "Session.h"
#include "platform/automation/Automation.h"
#include "platform/framework/MDIFrameWnd.h"

namespace refhost {

namespace {

using Result = std::optional<std::string>;

std::string titleOf(HWND hwnd)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    CString title;
    wnd->GetWindowText(title);
    return Shown(title);
}

// The document windows inside the main frame, oldest first.
std::vector<HWND> documentWindows(Host& host)
{
    std::vector<HWND> windows;
    CMDIFrameWnd* frame = host.MainFrame();
    if (!frame || !frame->m_hWndMDIClient)
        return windows;
    for (HWND child = ::GetWindow(frame->m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        windows.push_back(child);
    std::reverse(windows.begin(), windows.end());
    return windows;
}

HWND findWindow(Host& host, const std::string& title)
{
    for (HWND hwnd : documentWindows(host))
        if (titleOf(hwnd).find(title) != std::string::npos)
            return hwnd;
    return nullptr;
}

} // namespace

void AddWindowCommands(Session& session)
{
    Host& host = session.GetHost();
    session.Add("windows", {"windows", "lists the windows open in the host's main frame, with the lines they show",
                            [&host](const CommandLine&) -> Result {
                                const auto windows = documentWindows(host);
                                if (windows.empty())
                                    host.Out() << "no windows open\n";
                                for (HWND hwnd : windows) {
                                    host.Out() << "window \"" << titleOf(hwnd) << "\""
                                               << (::IsWindowVisible(hwnd) ? "" : " (hidden)") << '\n';
                                    for (const auto& line : platform::Automation::DrawnText(hwnd))
                                        host.Out() << "  | " << Shown(line.c_str()) << '\n';
                                }
                                return std::nullopt;
                            }});
    session.Add("close-window", {"close-window TITLE", "asks the first window whose title holds TITLE to close",
                                 [&host](const CommandLine& c) -> Result {
                                     HWND hwnd = c.words.size() == 1 ? findWindow(host, c.words[0]) : nullptr;
                                     if (!hwnd)
                                         return "no window with that title";
                                     ::PostMessage(hwnd, WM_CLOSE, 0, 0);
                                     return std::nullopt;
                                 }});
    session.Add("screenshot", {"screenshot FILE [TITLE]", "writes a PNG (FILE from the host folder) of the main frame, or of the window whose title holds TITLE",
                               [&host](const CommandLine& c) -> Result {
                                   if (c.words.empty() || c.words.size() > 2)
                                       return "usage: screenshot FILE [TITLE]";
                                   HWND hwnd = c.words.size() == 2 ? findWindow(host, c.words[1])
                                                                   : host.MainFrame()->GetSafeHwnd();
                                   if (!hwnd)
                                       return "no window with that title";
                                   const std::string& path = c.words[0];
                                   if (!platform::Automation::Screenshot(hwnd, path))
                                       return "cannot write " + path;
                                   return std::nullopt;
                               }});
}

} // namespace refhost
