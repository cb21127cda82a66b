// CDialog: a window made from a dialog template, with its controls, the dialog keyboard (Tab,
// arrows, Enter for the default button, Escape for Cancel) and data exchange.
//
// Modal: DoModal disables the owner, shows the dialog centred (DS_CENTER) or where the template
// puts it, and runs a nested loop on the queued input until EndDialog; it returns the id given
// to EndDialog. A loop that runs out of input ends the dialog as IDCANCEL and says so in the log.
// Modeless: Create makes the window as a child (or owned popup) of the parent, at the template's
// position; a child page lends its controls to the Tab order of the dialog it is placed in.
//
// A dialog class binds its handlers to control notifications in its constructor:
//
//     BindCommand(IDC_FROM, EN_KILLFOCUS, &CSignTreatyDlg::OnKillFocusFrom);
//     BindCommand(IDC_ADD, BN_CLICKED, &CSignTreatyDlg::OnAdd);
//
// or overrides OnCommandNotify. IDOK and IDCANCEL clicks reach OnOK and OnCancel unless bound.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "../gdi/Font.h"
#include "../win/Wnd.h"
#include "ControlConstants.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"

class PLATFORM_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    // The template is looked up in the current module's resources when the dialog is made.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    // A template of the caller's; it is copied.
    explicit CDialog(const platform::DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modeless.
    using CWnd::Create;
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const platform::DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    // Modal; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL IsModal() const { return m_modal; }

    // Data exchange in one direction: FALSE when a value failed its conversion or check.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Loads the controls (UpdateData(FALSE)); TRUE lets the first tab stop take the focus.
    virtual BOOL OnInitDialog();
    // Stores and checks the controls, and ends the dialog with IDOK when that succeeded.
    virtual void OnOK();
    virtual void OnCancel();

    // Controls by id.
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, LPTSTR buffer, int bufferSize) const;
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    // The control's text as a number; translated says whether it was one (within 32 bits).
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // Focus moves as the keyboard moves it.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    // The default button: the one Enter presses when the focus is not on a push button.
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    // Dialog units of this dialog's font into pixels.
    void MapDialogRect(LPRECT rect) const;

    BOOL PreTranslateMessage(MSG* msg) override;

    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    void BindCommand(UINT id, UINT code, std::function<void()> handler);
    template <class Dialog>
    void BindCommand(UINT id, UINT code, void (Dialog::*handler)())
    {
        BindCommand(id, code, [this, handler] { (static_cast<Dialog*>(this)->*handler)(); });
    }
    // WM_NOTIFY from a control: the handler gets the record and sets the result.
    void BindNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler);
    // Every WM_COMMAND from a control: runs the bound handler, or OnOK / OnCancel for clicks on
    // IDOK and IDCANCEL. TRUE when handled.
    virtual BOOL OnCommandNotify(UINT id, UINT code);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    void OnClose() override;

private:
    const platform::DialogTemplate* FindTemplate() const;
    BOOL CreateFromTemplate(const platform::DialogTemplate& dialogTemplate, HWND parent);
    CRect PlaceWindow(const platform::DialogTemplate& dialogTemplate, HWND parent) const;
    void Initialize(const platform::DialogTemplate& dialogTemplate);
    HWND OwnerForModal() const;
    std::string Name() const;
    UINT DefaultButtonId() const;

    UINT m_templateId = 0;
    std::optional<platform::DialogTemplate> m_ownTemplate;
    CFont m_font;
    platform::DialogBaseUnits m_base;
    BOOL m_modal = FALSE;
    BOOL m_ended = FALSE;
    int m_result = -1;
    UINT m_defId = 0; // 0: the template's BS_DEFPUSHBUTTON
    HWND m_lastFocus = nullptr;
    std::map<std::pair<UINT, UINT>, std::function<void()>> m_commands;
    std::map<std::pair<UINT, UINT>, std::function<void(NMHDR*, LRESULT*)>> m_notifications;
};
