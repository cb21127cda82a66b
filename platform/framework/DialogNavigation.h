// The dialog manager's keyboard: Tab and Shift+Tab through the tab stops, the arrow keys within
// a group, Enter for the default button and Escape for Cancel. The order of a dialog's controls
// is the order they were made in, which for a dialog built from a template is the template's
// (the z-order may differ: group boxes lie below the controls they frame); a child window with
// WS_EX_CONTROLPARENT (a page placed in a dialog) lends its controls to that order.
#pragma once

#include <vector>

#include "../win/WinApi.h"

namespace platform {

// A window's children in the order they were made.
std::vector<HWND> ChildrenInOrder(HWND parent);
// The controls of the group a control belongs to: from the nearest sibling at or before it
// that has WS_GROUP up to the next sibling that starts a group.
std::vector<HWND> ControlGroup(HWND control);
// The dialog's controls in tab order, reaching into control parents.
std::vector<HWND> DialogControls(HWND dialog);
// The control of the dialog that holds a window (the window itself, or the combo box around
// its edit); null when the window is not in the dialog.
HWND DialogControlOf(HWND dialog, HWND hwnd);
// Moves the focus to a control as the keyboard does: an edit's text is selected.
void FocusDialogControl(HWND control);

} // namespace platform

PLATFORM_API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
PLATFORM_API HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
// Handles a keyboard message meant for the dialog or one of its controls; TRUE when it did.
PLATFORM_API BOOL IsDialogMessage(HWND dialog, LPMSG msg);
