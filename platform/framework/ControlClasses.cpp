// The window classes of the framework's controls and of dialogs.
#include "ButtonControl.h"
#include "ComboBoxControl.h"
#include "EditControl.h"
#include "ListBoxControl.h"
#include "StaticControl.h"
#include "TreeViewControl.h"
#include "UpDownControl.h"

namespace platform {

namespace {

void Register(const char* name, WNDPROC proc, UINT style, LPCTSTR cursor, int background)
{
    WNDCLASS info;
    info.style = style;
    info.lpfnWndProc = proc;
    info.hCursor = LoadStandardCursor(cursor);
    info.hbrBackground = reinterpret_cast<HBRUSH>(uintptr_t(background + 1));
    info.lpszClassName = name;
    AfxRegisterClass(&info);
}

const bool registered = [] {
    RegisterControlClasses();
    return true;
}();

} // namespace

void RegisterControlClasses()
{
    (void)registered;
    Register("Edit", ControlProcedure<EditControl>, CS_DBLCLKS, IDC_IBEAM, COLOR_WINDOW);
    Register("Button", ControlProcedure<ButtonControl>, CS_DBLCLKS, IDC_ARROW, COLOR_BTNFACE);
    Register("Static", ControlProcedure<StaticControl>, 0, IDC_ARROW, COLOR_BTNFACE);
    Register("ListBox", ControlProcedure<ListBoxControl>, CS_DBLCLKS, IDC_ARROW, COLOR_WINDOW);
    Register("ComboBox", ControlProcedure<ComboBoxControl>, CS_DBLCLKS, IDC_ARROW, COLOR_WINDOW);
    Register("ComboLBox", ControlProcedure<ComboListControl>, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, COLOR_WINDOW);
    Register("msctls_updown32", ControlProcedure<UpDownControl>, 0, IDC_ARROW, COLOR_BTNFACE);
    Register("SysTreeView32", ControlProcedure<TreeViewControl>, CS_DBLCLKS, IDC_ARROW, COLOR_WINDOW);
    // Dialogs are windows of their own class, whose behaviour CDialog supplies.
    Register("#32770", ::DefWindowProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, COLOR_BTNFACE);
}

BOOL CreateControlWindow(CWnd& control, const char* className, LPCTSTR text, DWORD style, const RECT& rect,
                         CWnd* parent, UINT id)
{
    RegisterControlClasses();
    if (!control.CreateEx(0, className, text, style | WS_CHILD, rect, parent, id))
        return FALSE;
    if (auto* attached = dynamic_cast<AttachedControl*>(&control))
        attached->OnAttached();
    return TRUE;
}

} // namespace platform
