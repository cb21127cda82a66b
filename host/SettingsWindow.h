// The host's settings window: a tree of pages on the left, the selected page beside it. The
// plug-ins hang their pages under the item "Plug-ins" (CreateConfig); confirming makes every
// page store its controls, then tells the plug-ins (OnOK).
#pragma once

#include <string>
#include <vector>

#include "platform/framework/TreeCtrl.h"
#include "platform/win/Wnd.h"

namespace refhost {

class SettingsWindow : public CWnd {
public:
    BOOL Open();
    CTreeCtrl& Tree() { return m_tree; }
    HTREEITEM PluginsItem() const { return m_plugins; }

    // The pages under "Plug-ins", in tree order, with their item texts.
    struct Page {
        std::string name;
        CWnd* window;
    };
    std::vector<Page> Pages() const;
    BOOL ShowPage(const std::string& name);
    // Makes every page store its controls; the name of a page that refused, if any.
    std::string StorePages();

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ShowSelected();

    CTreeCtrl m_tree;
    HTREEITEM m_plugins = nullptr;
};

} // namespace refhost
