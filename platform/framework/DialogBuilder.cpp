#include "DialogBuilder.h"

#include <cctype>
#include <functional>

#include "../win/EventLog.h"
#include "Button.h"
#include "ButtonControl.h"
#include "ComboBox.h"
#include "ControlState.h"
#include "Edit.h"
#include "ListBox.h"
#include "SpinButtonCtrl.h"
#include "Static.h"
#include "TreeCtrl.h"

namespace platform {

namespace {

// The objects the builder makes: they belong to their windows and go with them.
class BuilderMade {
public:
    virtual ~BuilderMade() = default;
};

template <class Base>
class DialogItemObject final : public Base, public BuilderMade {
public:
    void PostNcDestroy() override { delete this; }
};

BOOL SameName(const std::string& a, const char* b)
{
    const std::string other = b;
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) { return std::tolower((unsigned char)x) == std::tolower((unsigned char)y); });
}

CWnd* MakeObjectFor(const std::string& className)
{
    static const std::pair<const char*, std::function<CWnd*()>> makers[] = {
        {"Edit", [] { return new DialogItemObject<CEdit>; }},
        {"Button", [] { return new DialogItemObject<CButton>; }},
        {"Static", [] { return new DialogItemObject<CStatic>; }},
        {"ComboBox", [] { return new DialogItemObject<CComboBox>; }},
        {"ListBox", [] { return new DialogItemObject<CListBox>; }},
        {"msctls_updown32", [] { return new DialogItemObject<CSpinButtonCtrl>; }},
        {"SysTreeView32", [] { return new DialogItemObject<CTreeCtrl>; }},
    };
    for (const auto& [name, make] : makers)
        if (SameName(className, name))
            return make();
    return nullptr;
}

// Bordered edits, lists and trees of a dialog have the sunken edge of the three-dimensional
// look; a combo box draws its own frame.
void ApplyDialogLook(const std::string& className, DWORD& style, DWORD& exStyle)
{
    if (SameName(className, "ComboBox")) {
        style &= ~DWORD(WS_BORDER);
        return;
    }
    if ((style & WS_BORDER) && (SameName(className, "Edit") || SameName(className, "ListBox") || SameName(className, "SysTreeView32"))) {
        style &= ~DWORD(WS_BORDER);
        exStyle |= WS_EX_CLIENTEDGE;
    }
}

BOOL IsGroupBox(HWND hwnd)
{
    return (SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) &&
           (GetWindowLongPtr(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && FindControlState<ButtonControl>(hwnd);
}

HWND CreateItem(HWND dialog, const DialogItemTemplate& item, HFONT font, DialogBaseUnits base)
{
    DWORD style = item.style | WS_CHILD, exStyle = item.exStyle;
    ApplyDialogLook(item.className, style, exStyle);
    const CRect rect = DialogUnitsToPixels(CRect(item.x, item.y, item.cx, item.cy), base);
    HWND hwnd = CreateWindowEx(exStyle, item.className.c_str(), item.text.c_str(), style, rect.left, rect.top, rect.right,
                               rect.bottom, dialog, reinterpret_cast<HMENU>(uintptr_t(item.id)), nullptr, nullptr);
    if (!hwnd)
        return nullptr;
    if (CWnd* object = MakeObjectFor(item.className); object && !object->Attach(hwnd))
        delete object;
    SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const BOOL combo = SameName(item.className, "ComboBox");
    for (const std::string& data : item.initialData)
        SendMessage(hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data.c_str()));
    return hwnd;
}

} // namespace

BOOL BuildDialogControls(HWND dialog, const DialogTemplate& dialogTemplate, HFONT font, DialogBaseUnits base)
{
    RegisterControlClasses();
    std::vector<HWND> made;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        HWND hwnd = CreateItem(dialog, item, font, base);
        if (!hwnd) {
            EventLog::Instance().Add("dialog '" + dialogTemplate.caption + "': control " + std::to_string(item.id) +
                                     " of class '" + item.className + "' could not be made");
            return FALSE;
        }
        made.push_back(hwnd);
    }
    // New windows enter at the top of their siblings; each goes to the bottom in turn, so the
    // first control of the template ends up on top. Group boxes go below everything: they frame
    // the controls inside them and must not cover them.
    for (BOOL groupBoxes : {FALSE, TRUE})
        for (HWND hwnd : made)
            if (IsGroupBox(hwnd) == groupBoxes)
                SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL SubclassControl(CWnd& object, HWND hwnd)
{
    if (!IsWindow(hwnd) || object.m_hWnd)
        return object.m_hWnd == hwnd;
    CWnd* existing = CWnd::FromHandlePermanent(hwnd);
    if (existing) {
        if (!dynamic_cast<BuilderMade*>(existing))
            return FALSE;
        existing->Detach();
        delete existing;
    }
    if (!object.Attach(hwnd))
        return FALSE;
    if (auto* attached = dynamic_cast<AttachedControl*>(&object))
        attached->OnAttached();
    return TRUE;
}

} // namespace platform
