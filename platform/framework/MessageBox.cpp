#include "MessageBox.h"

#include "../win/MessageBoxScript.h"
#include "ControlState.h"
#include "MessageBoxWindow.h"
#include "ModuleState.h"
#include "ResourceTable.h"

namespace platform {

namespace {

std::function<void(HWND)>& Observer()
{
    static auto& observer = *new std::function<void(HWND)>;
    return observer;
}

const char* ApplicationName()
{
    const char* name = AfxGetModuleState()->m_lpszCurrentAppName;
    return name ? name : "";
}

} // namespace

void SetMessageBoxObserver(std::function<void(HWND)> observer) { Observer() = std::move(observer); }

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    owner = owner ? TopLevelWindowOf(owner) : GetActiveWindow();
    text = text ? text : "";
    caption = caption ? caption : ApplicationName();
    // The owner takes no input while the box is up, as with any modal window.
    const BOOL disabled = owner && IsWindowEnabled(owner);
    if (disabled)
        EnableWindow(owner, FALSE);
    MessageBoxWindow box(text, type);
    // The box is answered from the script at once; it is shown without taking the focus, so
    // the control that has it does not hear that it lost it to a window that is gone again.
    if (box.Create(owner, caption)) {
        box.ShowWindow(SW_SHOWNA);
        if (Observer())
            Observer()(box.m_hWnd);
    }
    const int answer = MessageBoxScript::Instance().Answer(text, caption, type);
    if (disabled && IsWindow(owner))
        EnableWindow(owner, TRUE);
    box.DestroyWindow();
    return answer;
}

} // namespace platform

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    return platform::ShowMessageBox(nullptr, text, nullptr, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT)
{
    const std::optional<CString> text = platform::LoadResourceString(promptId);
    return platform::ShowMessageBox(nullptr, text ? text->GetString() : "", nullptr, type);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return platform::ShowMessageBox(m_hWnd, text, caption, type);
}
