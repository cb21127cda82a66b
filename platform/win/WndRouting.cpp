// How a message reaches a window: sending, dispatching queued messages, the objects behind
// handles, and the stack of messages being handled that Default() reads.
#include <memory>
#include <unordered_map>
#include <vector>

#include "MessageQueue.h"
#include "Wnd.h"
#include "WindowTable.h"

namespace platform {

namespace {

std::vector<MSG>& MessageStack()
{
    static std::vector<MSG>& stack = *new std::vector<MSG>;
    return stack;
}

// Objects made by FromHandle for windows that have none of their own.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& Temporaries()
{
    static auto& map = *new std::unordered_map<HWND, std::unique_ptr<CWnd>>;
    return map;
}

} // namespace

const MSG& CurrentMessage()
{
    static const MSG none;
    return MessageStack().empty() ? none : MessageStack().back();
}

void ForgetTemporaryWindow(HWND hwnd)
{
    auto it = Temporaries().find(hwnd);
    if (it == Temporaries().end())
        return;
    it->second->m_hWnd = nullptr;
    Temporaries().erase(it);
}

CWnd* TemporaryWindow(HWND hwnd)
{
    auto& map = Temporaries();
    auto it = map.find(hwnd);
    if (it != map.end())
        return it->second.get();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hwnd;
    return map.emplace(hwnd, std::move(wnd)).first->second.get();
}

} // namespace platform

using platform::FindWindowRecord;

LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& stack = platform::MessageStack();
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    stack.push_back(msg);
    struct Pop {
        ~Pop() { platform::MessageStack().pop_back(); }
    } pop;
    return wnd->WindowProc(message, wParam, lParam);
}

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd))
        return AfxCallWndProc(wnd, hwnd, message, wParam, lParam);
    return DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return 0;
    if (record->object)
        return AfxCallWndProc(record->object, hwnd, message, wParam, lParam);
    return CallWindowProc(record->proc, hwnd, message, wParam, lParam);
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, UINT_PTR(msg->wParam), GetTickCount());
        return 0;
    }
    platform::WindowRecord* record = FindWindowRecord(msg->hwnd);
    if (!record)
        return 0;
    if (msg->message != WM_PAINT)
        return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    const CRect before = record->update;
    const LRESULT result = SendMessage(msg->hwnd, WM_PAINT, msg->wParam, msg->lParam);
    // A paint handler that validated nothing would be asked again forever; its area counts as
    // painted.
    if ((record = FindWindowRecord(msg->hwnd)) && !before.IsRectEmpty() && CRect(record->update) == before) {
        record->update.SetRectEmpty();
        record->eraseNeeded = FALSE;
    }
    return result;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    platform::WindowRecord* record = FindWindowRecord(hwnd);
    return record ? record->object : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    platform::WindowRecord* record = FindWindowRecord(hwnd);
    if (!record)
        return nullptr;
    return record->object ? record->object : platform::TemporaryWindow(hwnd);
}

BOOL CWnd::Attach(HWND hwnd)
{
    platform::WindowRecord* record = FindWindowRecord(hwnd);
    if (!record || record->object || m_hWnd)
        return FALSE;
    platform::ForgetTemporaryWindow(hwnd);
    record->object = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (platform::WindowRecord* record = FindWindowRecord(hwnd); record && record->object == this)
        record->object = nullptr;
    m_hWnd = nullptr;
    return hwnd;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::WindowRecord* record = FindWindowRecord(m_hWnd);
    WNDPROC proc = record ? record->proc : nullptr;
    if (!proc || proc == AfxWndProc)
        return ::DefWindowProc(m_hWnd, message, wParam, lParam);
    return proc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = platform::CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg ? msg->hwnd : nullptr; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}
