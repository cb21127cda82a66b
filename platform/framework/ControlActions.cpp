#include "ControlActions.h"

#include <functional>

#include "../automation/Automation.h"
#include "ControlState.h"
#include "ControlTypes.h"

namespace platform {

namespace {

// Queues an action on a control that is looked up when the action is reached.
void OnControl(int id, HWND within, std::string description, std::function<void(HWND)> action)
{
    Automation::Instance().Queue(std::move(description), [=] {
        HWND control = Automation::FindControl(id, within);
        if (!control) {
            Automation::Instance().Note("  no control " + std::to_string(id));
            return;
        }
        action(control);
    });
}

std::string TreeItemText(HWND tree, HTREEITEM item)
{
    char buffer[1024] = {};
    TVITEM record;
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = buffer;
    record.cchTextMax = int(sizeof buffer);
    SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&record));
    return buffer;
}

HTREEITEM FindTreeItem(HWND tree, HTREEITEM first, const std::string& text)
{
    for (HTREEITEM item = first; item;
         item = reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        if (TreeItemText(tree, item) == text)
            return item;
        auto child = reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        if (HTREEITEM found = FindTreeItem(tree, child, text))
            return found;
    }
    return nullptr;
}

} // namespace

void ControlActions::TickItem(int listId, std::string itemText, BOOL ticked, HWND within)
{
    OnControl(listId, within, std::string(ticked ? "tick" : "untick") + " '" + itemText + "' in list " + std::to_string(listId),
              [itemText, ticked](HWND list) {
                  const LRESULT index = SendMessage(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(itemText.c_str()));
                  if (index == LB_ERR) {
                      Automation::Instance().Note("  no item '" + itemText + "'");
                      return;
                  }
                  SendMessage(list, kUserSetItemCheck, WPARAM(index), ticked ? BST_CHECKED : BST_UNCHECKED);
              });
}

void ControlActions::TickItem(int listId, int index, BOOL ticked, HWND within)
{
    OnControl(listId, within,
              std::string(ticked ? "tick" : "untick") + " item " + std::to_string(index) + " in list " + std::to_string(listId),
              [index, ticked](HWND list) {
                  if (index < 0 || index >= int(SendMessage(list, LB_GETCOUNT, 0, 0))) {
                      Automation::Instance().Note("  no item " + std::to_string(index));
                      return;
                  }
                  SendMessage(list, kUserSetItemCheck, WPARAM(index), ticked ? BST_CHECKED : BST_UNCHECKED);
              });
}

void ControlActions::PickComboItem(int comboId, std::string itemText, HWND within)
{
    OnControl(comboId, within, "pick '" + itemText + "' in combo box " + std::to_string(comboId), [itemText](HWND combo) {
        const LRESULT index = SendMessage(combo, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(itemText.c_str()));
        if (index == CB_ERR) {
            Automation::Instance().Note("  no item '" + itemText + "'");
            return;
        }
        SendMessage(combo, kUserPickItem, WPARAM(index), 0);
    });
}

void ControlActions::PickRadio(int id, HWND within)
{
    OnControl(id, within, "pick radio button " + std::to_string(id), [](HWND button) { SendMessage(button, BM_CLICK, 0, 0); });
}

void ControlActions::ClickSpinArrow(int id, BOOL up, HWND within)
{
    OnControl(id, within, std::string("click the ") + (up ? "up" : "down") + " arrow of " + std::to_string(id),
              [up](HWND spin) { SendMessage(spin, kUserStep, up ? 1 : 0, 0); });
}

void ControlActions::SelectTreeItem(int treeId, std::string itemText, HWND within)
{
    OnControl(treeId, within, "select '" + itemText + "' in tree " + std::to_string(treeId), [itemText](HWND tree) {
        auto root = reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        HTREEITEM item = FindTreeItem(tree, root, itemText);
        if (!item) {
            Automation::Instance().Note("  no item '" + itemText + "'");
            return;
        }
        SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    });
}

} // namespace platform
