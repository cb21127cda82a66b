#include "AllyledgerResources.h"

#include "platform/framework/ResourceTable.h"

namespace allyledger::resources {

namespace {

platform::ResourceTable& FilledTable()
{
    // A global of the module, so the table answers for the module's own instance handle.
    static platform::ResourceTable table("Allyledger");
    table.AddDialog(kSignTreatyDialog, SignTreatyTemplate());
    table.AddDialog(kSettingsPage, SettingsPageTemplate());
    table.AddDialog(kNewConditionDialog, NewConditionTemplate());
    table.AddString(kWarnDocument, kWarnDocumentString);
    return table;
}

} // namespace

HINSTANCE ResourceHandle()
{
    static platform::ResourceTable& table = FilledTable();
    return table.Handle();
}

} // namespace allyledger::resources
