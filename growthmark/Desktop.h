// What the plug-in asks of the desktop framework: message boxes, the projection window, the
// settings page and its tree item. The plug-in's logic talks to this interface only, so that it
// runs the same whether the framework's windows are there or a test stands in for them.
#pragma once

#include <cstdint>

namespace growthmark {

// The settings page as the plug-in sees it once it is placed in the host's settings dialog.
class SettingsPage {
public:
    virtual ~SettingsPage() = default;
    // The turn count that the page's field last accepted.
    virtual unsigned Value() const = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Registers the kind of window that shows a projection.
    virtual void RegisterProjectionWindows() = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const char* text) = 0;
    // Opens the projection window of the held planet in the named game, or brings forward the
    // one already open.
    virtual void OpenProjection(const char* gameName) = 0;
    // Creates the settings page as a child of the dialog that holds the host's tree control,
    // starting at value, and inserts its tree item under item. Null when nothing was created.
    // The host keeps the page for as long as its settings dialog lives.
    virtual SettingsPage* CreateSettingsPage(intptr_t treeCtrl, intptr_t item, unsigned value) = 0;
};

} // namespace growthmark
