#include "FrameworkDesktop.h"

#include <vector>

#include "GrowthmarkTexts.h"
#include "TurnCountPage.h"
#include "TurnCountSetting.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/ResourceTable.h"
#include "platform/framework/TreeCtrl.h"
#include "resources/growthmark/GrowthmarkResources.h"

namespace growthmark {

namespace {

resources::DialogLanguage pageLanguage()
{
    return PageLanguageOfProcess() == PageLanguage::Russian ? resources::DialogLanguage::Russian
                                                            : resources::DialogLanguage::English;
}

class FrameworkDesktop : public Desktop {
public:
    // The projection window's classes come with the window; until then nothing is registered
    // and nothing opens.
    void RegisterProjectionWindows() override {}
    void OpenProjection(const char*) override {}

    void ShowMessage(const char* text) override { AfxMessageBox(text, MB_OK); }

    SettingsPage* CreateSettingsPage(intptr_t treeCtrl, intptr_t item, unsigned value) override
    {
        auto* tree = reinterpret_cast<CTreeCtrl*>(treeCtrl);
        const auto parentItem = reinterpret_cast<HTREEITEM>(item);
        platform::ResourceScope ownResources(resources::ResourceHandle(pageLanguage()));
        // The host keeps each page as its tree item's data for as long as its dialog lives; a
        // page whose window is gone with that dialog is released when the next one is made.
        std::erase_if(m_pages, [](const auto& old) { return !old->GetSafeHwnd(); });
        m_pages.push_back(std::make_unique<CTurnCountPage>());
        CTurnCountPage* page = m_pages.back().get();
        page->SetValue(value);
        page->Create(resources::kSettingsDialog, tree->GetParent());
        tree->InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM, kTreeItemText, 0, 0,
                         0, 0, reinterpret_cast<LPARAM>(page), parentItem, TVI_LAST);
        return page;
    }

private:
    std::vector<std::unique_ptr<CTurnCountPage>> m_pages;
};

} // namespace

std::unique_ptr<Desktop> MakeFrameworkDesktop() { return std::make_unique<FrameworkDesktop>(); }

} // namespace growthmark
