// Control actions of the automation for dialogs: ticking check-list items, picking combo items
// and radio buttons, clicking up-down arrows and selecting tree items. Each is queued with the
// rest of the input and carried out as the user's action would be, with the notifications it
// brings, when a loop reaches it; the control is looked up then (in the active window, so a
// dialog opened meanwhile is found, unless a window is given). A missing control or item is
// logged. Setting a control's text, clicking a button and moving the focus are the driver's own
// (Automation::SetControlText, ClickButton, FocusControl).
#pragma once

#include <string>

#include "../win/WinTypes.h"

namespace platform {

class PLATFORM_API ControlActions {
public:
    // A check-list item by its text (the whole text, without regard to case) or its index.
    static void TickItem(int listId, std::string itemText, BOOL ticked = TRUE, HWND within = nullptr);
    static void TickItem(int listId, int index, BOOL ticked = TRUE, HWND within = nullptr);
    // The combo item with that text (the whole text, without regard to case), as picked from
    // the dropped list.
    static void PickComboItem(int comboId, std::string itemText, HWND within = nullptr);
    // A click on a radio button: it is checked and the others of its group are cleared.
    static void PickRadio(int id, HWND within = nullptr);
    static void ClickSpinArrow(int id, BOOL up, HWND within = nullptr);
    // The first tree item in tree order with that text.
    static void SelectTreeItem(int treeId, std::string itemText, HWND within = nullptr);
};

} // namespace platform
