// CDialog: making the window from its template, the modal loop, data exchange, and the
// messages of the dialog manager.
#include "Dialog.h"

#include "../win/EventLog.h"
#include "../win/Pump.h"
#include "ControlState.h"
#include "DialogBuilder.h"
#include "DialogNavigation.h"
#include "ResourceTable.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

std::string ResultName(int result)
{
    static const char* names[] = {"0", "IDOK", "IDCANCEL", "IDABORT", "IDRETRY", "IDIGNORE", "IDYES", "IDNO"};
    return result >= 0 && result <= IDNO ? names[result] : std::to_string(result);
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_nIDHelp(templateId), m_templateId(templateId) {}

CDialog::CDialog(const platform::DialogTemplate& dialogTemplate, CWnd* parent)
    : m_pParentWnd(parent), m_ownTemplate(dialogTemplate)
{
}

CDialog::~CDialog()
{
    // The controls go before the font they are drawn with.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

const platform::DialogTemplate* CDialog::FindTemplate() const
{
    if (m_ownTemplate)
        return &*m_ownTemplate;
    const platform::DialogTemplate* found = platform::FindDialogTemplate(m_templateId);
    if (!found)
        platform::EventLog::Instance().Add("dialog " + std::to_string(m_templateId) + ": no such template");
    return found;
}

std::string CDialog::Name() const
{
    const platform::DialogTemplate* found = m_ownTemplate ? &*m_ownTemplate : platform::FindDialogTemplate(m_templateId);
    if (found && !found->caption.empty())
        return "dialog '" + found->caption + "'";
    return "dialog " + std::to_string(m_templateId);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = m_nIDHelp = templateId;
    m_ownTemplate.reset();
    m_pParentWnd = parent;
    const platform::DialogTemplate* found = FindTemplate();
    return found && CreateFromTemplate(*found, parent ? parent->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(const platform::DialogTemplate& dialogTemplate, CWnd* parent)
{
    m_ownTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return CreateFromTemplate(*m_ownTemplate, parent ? parent->m_hWnd : nullptr);
}

// The window's rectangle: its client area as the template sizes it, at the template's place in
// the parent, or on the screen for a popup (centred with DS_CENTER).
CRect CDialog::PlaceWindow(const platform::DialogTemplate& dialogTemplate, HWND parent) const
{
    using platform::DialogUnitsToPixelsX, platform::DialogUnitsToPixelsY;
    const CSize size(DialogUnitsToPixelsX(dialogTemplate.cx, m_base), DialogUnitsToPixelsY(dialogTemplate.cy, m_base));
    CPoint at(DialogUnitsToPixelsX(dialogTemplate.x, m_base), DialogUnitsToPixelsY(dialogTemplate.y, m_base));
    if (!(dialogTemplate.style & WS_CHILD) && parent)
        ::ClientToScreen(parent, &at);
    return CRect(at, size);
}

BOOL CDialog::CreateFromTemplate(const platform::DialogTemplate& dialogTemplate, HWND parent)
{
    platform::RegisterControlClasses();
    if (!m_font.GetSafeHandle())
        m_font.CreatePointFont(dialogTemplate.pointSize * 10, dialogTemplate.fontName.c_str());
    m_base = platform::BaseUnitsOf(m_font);
    DWORD style = dialogTemplate.style, exStyle = dialogTemplate.exStyle;
    if (m_modal)
        style = (style & ~DWORD(WS_CHILD)) | WS_POPUP;
    if (style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    if (style & WS_CHILD)
        exStyle |= WS_EX_CONTROLPARENT;
    const CRect place = PlaceWindow(dialogTemplate, parent);
    m_ended = FALSE;
    if (!CreateEx(exStyle, "#32770", dialogTemplate.caption.c_str(), style & ~DWORD(WS_VISIBLE), place.left, place.top,
                  place.Width(), place.Height(), parent, nullptr))
        return FALSE;
    // The frame and caption come on top of the client area the template asks for.
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    CSize size(place.Width() + window.Width() - client.Width(), place.Height() + window.Height() - client.Height());
    CPoint at = place.TopLeft();
    if ((style & DS_CENTER) && !(style & WS_CHILD))
        at = CPoint((GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2);
    SetWindowPos(nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    if (!platform::BuildDialogControls(m_hWnd, dialogTemplate, m_font, m_base)) {
        DestroyWindow();
        return FALSE;
    }
    Initialize(dialogTemplate);
    return ::IsWindow(m_hWnd);
}

// WM_INITDIALOG, then the dialog shows, and the first tab stop takes the focus unless
// OnInitDialog answered FALSE.
void CDialog::Initialize(const platform::DialogTemplate& dialogTemplate)
{
    HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    const BOOL setFocus = BOOL(SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0));
    if (!::IsWindow(m_hWnd) || m_ended)
        return;
    if (m_modal)
        ShowWindow(SW_SHOW);
    else if (dialogTemplate.style & WS_VISIBLE)
        ShowWindow((GetStyle() & WS_CHILD) ? SW_SHOWNA : SW_SHOW);
    if (setFocus && IsWindowVisible())
        platform::FocusDialogControl(::GetNextDlgTabItem(m_hWnd, nullptr, FALSE));
}

HWND CDialog::OwnerForModal() const
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    if (!parent)
        if (CWnd* main = AfxGetMainWnd())
            parent = main->m_hWnd;
    return parent ? platform::TopLevelWindowOf(parent) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    const platform::DialogTemplate* found = FindTemplate();
    if (!found)
        return -1;
    HWND owner = OwnerForModal();
    const BOOL disabled = owner && ::IsWindowEnabled(owner);
    if (disabled)
        ::EnableWindow(owner, FALSE);
    m_modal = TRUE;
    m_result = -1;
    const std::string name = Name();
    if (!CreateFromTemplate(*found, owner)) {
        if (disabled)
            ::EnableWindow(owner, TRUE);
        m_modal = FALSE;
        platform::EventLog::Instance().Add(name + ": could not be made");
        return -1;
    }
    if (!m_ended)
        platform::RunModalLoop([this] { return m_ended || !::IsWindow(m_hWnd); }, name);
    if (!m_ended)
        m_result = IDCANCEL;
    if (disabled && ::IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    // The owner takes the activation back before the dialog goes, so its focus returns.
    if (owner && ::IsWindowVisible(owner))
        ::SetActiveWindow(owner);
    DestroyWindow();
    m_modal = FALSE;
    platform::EventLog::Instance().Add(name + ": ended with " + ResultName(m_result));
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = TRUE;
    if (!m_modal && m_hWnd)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::BindCommand(UINT id, UINT code, std::function<void()> handler) { m_commands[{id, code}] = std::move(handler); }

void CDialog::BindNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler)
{
    m_notifications[{id, code}] = std::move(handler);
}

BOOL CDialog::OnCommandNotify(UINT id, UINT code)
{
    if (auto it = m_commands.find({id, code}); it != m_commands.end()) {
        // The handler may bind others, so it runs from a copy.
        const std::function<void()> handler = it->second;
        handler();
        return TRUE;
    }
    if (code != BN_CLICKED || (id != IDOK && id != IDCANCEL))
        return FALSE;
    if (id == IDOK)
        OnOK();
    else
        OnCancel();
    return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnCommandNotify(LOWORD(wParam), HIWORD(wParam)) || CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header)
        if (auto it = m_notifications.find({UINT(header->idFrom), header->code}); it != m_notifications.end()) {
            const auto handler = it->second;
            handler(reinterpret_cast<NMHDR*>(lParam), result);
            return TRUE;
        }
    return CWnd::OnNotify(wParam, lParam, result);
}
