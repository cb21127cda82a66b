#include <gtest/gtest.h>

#include <string>

#include "FakeHost.h"
#include "growthmark/GrowthmarkApp.h"
#include "growthmark/TurnCountPage.h"
#include "platform/framework/ControlConstants.h"
#include "platform/framework/TreeCtrl.h"
#include "platform/win/EventLog.h"
#include "resources/growthmark/SettingsDialogTemplate.h"

using namespace growthmark_test;

namespace {

// The host's settings dialog: a window with the settings tree, and the host's settings store.
class SettingsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeHost::current() = &host;
        host.answer = [this](const Entries& request) {
            if (request.at("Function") == "WriteRegistry")
                stored = request.at("Growthmark\\row");
            if (request.at("Function") == "ReadRegistry" && !stored.empty())
                return Entries{{"Growthmark\\row", stored}};
            return Entries{};
        };
        dialog.CreateEx(0, nullptr, "Settings", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr);
        tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 120, 300), &dialog, 1);
        plugins = tree.InsertItem("Plug-ins");
        CMapStringToString init;
        init["DataManager"] = FakeHost::Address().c_str();
        app.OnInitialize(init);
        platform::EventLog::Instance().Clear();
    }

    CTurnCountPage* createConfig()
    {
        CMapStringToString map;
        map["GameName"] = "Alpha";
        map["TreeCtrl"] = std::to_string(reinterpret_cast<intptr_t>(&tree)).c_str();
        map["Item"] = std::to_string(reinterpret_cast<intptr_t>(plugins)).c_str();
        app.CreateConfig(map);
        // The page's item goes after the last child.
        HTREEITEM item = tree.GetChildItem(plugins);
        while (item && tree.GetNextSiblingItem(item))
            item = tree.GetNextSiblingItem(item);
        return item ? reinterpret_cast<CTurnCountPage*>(tree.GetItemData(item)) : nullptr;
    }

    // Types into the field and moves the focus away, as the host's dialog would.
    static void leaveField(CTurnCountPage& page, const char* text)
    {
        page.SetDlgItemText(growthmark::resources::kTurnCountEdit, text);
        CWnd* field = page.GetDlgItem(growthmark::resources::kTurnCountEdit);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(growthmark::resources::kTurnCountEdit, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(field->GetSafeHwnd()));
    }

    FakeHost host;
    std::string stored = "33";
    CGrowthmarkApp app;
    CWnd dialog;
    CTreeCtrl tree;
    HTREEITEM plugins = nullptr;
};

} // namespace

TEST_F(SettingsPageTest, PageStartsFromTheStoredCountUnderItsTreeItem)
{
    CTurnCountPage* page = createConfig();
    ASSERT_NE(page, nullptr);
    const HTREEITEM item = tree.GetChildItem(plugins);
    EXPECT_EQ(tree.GetItemText(item), "Growth Mark");
    int image = -1, selected = -1;
    tree.GetItemImage(item, image, selected);
    EXPECT_EQ(image, 0);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(page->GetParent(), &dialog);
    EXPECT_FALSE(page->IsWindowVisible()) << "the host shows the page";
    CString field;
    page->GetDlgItemText(growthmark::resources::kTurnCountEdit, field);
    EXPECT_EQ(field, "33");
    EXPECT_EQ(page->Value(), 33u);
    auto* spin = static_cast<CSpinButtonCtrl*>(page->GetDlgItem(growthmark::resources::kTurnCountSpin));
    ASSERT_NE(spin, nullptr);
    int lower = 0, upper = 0;
    spin->GetRange32(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 50);

    stored.clear();
    CTurnCountPage* fresh = createConfig();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Value(), 10u) << "nothing stored starts the page at 10";
}

TEST_F(SettingsPageTest, FieldAcceptsFiveToFiftyAndOkStoresTheLastAcceptedValue)
{
    CTurnCountPage* page = createConfig();
    ASSERT_NE(page, nullptr);
    leaveField(*page, "7");
    EXPECT_EQ(page->Value(), 7u) << "typing goes below the arrows' lowest";
    for (const char* refused : {"4", "51", "seven", "-7"}) {
        platform::EventLog::Instance().Clear();
        leaveField(*page, refused);
        EXPECT_EQ(page->Value(), 7u) << refused;
        const bool range = refused[0] == '4' || refused[0] == '5';
        EXPECT_TRUE(platform::EventLog::Instance().Contains(range ? "Please enter an integer between 5 and 50."
                                                                  : "Please enter a positive integer."))
            << refused;
    }
    CMapStringToString ok;
    app.OnOK(ok);
    EXPECT_EQ(app.TurnCount, 7);
    EXPECT_EQ(stored, "7");
}

TEST_F(SettingsPageTest, RussianMessagesGiveTheRussianPage)
{
    for (const char* language : {"ru_RU.CP1251", "en_GB.UTF-8"}) {
        setenv("LC_ALL", language, 1);
        CTurnCountPage* page = createConfig();
        unsetenv("LC_ALL");
        ASSERT_NE(page, nullptr);
        CString label;
        page->GetWindow(GW_CHILD)->GetWindowText(label);
        const bool russian = language[0] == 'r';
        EXPECT_EQ(label, russian ? "\xD1\xEA\xEE\xEB\xFC\xEA\xEE\x20\xF5\xEE\xE4\xEE\xE2\x20\xF0\xE0\xF1\xF7\xE8\xF2"
                                   "\xFB\xE2\xE0\xF2\xFC\x3A"
                                 : "How many turn calculate:");
    }
}

TEST_F(SettingsPageTest, CommandWithoutAPlanetSaysSo)
{
    CMapStringToString command;
    command["GameName"] = "Alpha";
    command["Command"] = "Growthmark";
    app.OnUserCommand(command);
    EXPECT_TRUE(platform::EventLog::Instance().Contains("Select planet,pls."));
}
