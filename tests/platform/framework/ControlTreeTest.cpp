#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

class ControlTreeTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        sink.Make();
        tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES, CRect(0, 0, 300, 250), &sink, 40);
        plugins = tree.InsertItem("Plug-ins");
    }
    // An item under a parent after its last child, as the plug-ins add their settings pages.
    HTREEITEM AddPage(HTREEITEM parent, const char* text, LPARAM data)
    {
        TVINSERTSTRUCT insert;
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.iImage = 3;
        insert.item.iSelectedImage = 4;
        insert.item.state = TVIS_BOLD;
        insert.item.stateMask = TVIS_BOLD;
        insert.item.lParam = data;
        return tree.InsertItem(&insert);
    }
    std::vector<std::string> ChildTexts(HTREEITEM parent) const
    {
        std::vector<std::string> texts;
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
            texts.push_back(tree.GetItemText(item).str());
        return texts;
    }

    NotificationSink sink;
    CTreeCtrl tree;
    HTREEITEM plugins = nullptr;
};

TEST_F(ControlTreeTest, InsertedItemsKeepTheirPlaceTextPicturesStateAndData)
{
    HTREEITEM growth = AddPage(plugins, "Growth Mark", 0x1234);
    HTREEITEM pacts = AddPage(plugins, "Allyledger", 0x5678);
    tree.InsertItem("Display", TVI_ROOT, TVI_FIRST);
    tree.InsertItem("Colours", plugins, TVI_FIRST);
    tree.InsertItem("Fonts", plugins, TVI_SORT);

    EXPECT_EQ(ChildTexts(plugins), (std::vector<std::string>{"Colours", "Fonts", "Growth Mark", "Allyledger"}));
    EXPECT_EQ(ChildTexts(nullptr), (std::vector<std::string>{"Display", "Plug-ins"}));
    EXPECT_EQ(tree.GetItemData(pacts), 0x5678u);
    EXPECT_EQ(tree.GetItemText(growth), "Growth Mark");
    int image = 0, selected = 0;
    EXPECT_TRUE(tree.GetItemImage(growth, image, selected));
    EXPECT_EQ(std::make_pair(image, selected), std::make_pair(3, 4));
    EXPECT_EQ(tree.GetItemState(growth, TVIS_BOLD), UINT(TVIS_BOLD));
    EXPECT_EQ(tree.GetParentItem(growth), plugins);
    EXPECT_EQ(tree.GetParentItem(plugins), nullptr);
    EXPECT_NE(tree.GetRootItem(), plugins);
    EXPECT_TRUE(tree.ItemHasChildren(plugins));
    EXPECT_FALSE(tree.ItemHasChildren(growth));
    EXPECT_EQ(tree.GetCount(), 6u);
}

TEST_F(ControlTreeTest, InsertingUnderAnItemThatIsGoneFails)
{
    HTREEITEM page = AddPage(plugins, "Page", 1);
    tree.DeleteItem(plugins);
    EXPECT_EQ(AddPage(plugins, "Orphan", 2), nullptr);
    EXPECT_EQ(tree.GetItemText(page), "");
    EXPECT_EQ(tree.GetItemData(page), 0u);
    EXPECT_EQ(tree.GetCount(), 0u);
    // Both items were announced as they went, children first, with their data.
    ASSERT_EQ(sink.treeNotifications.size(), 2u);
    EXPECT_EQ(sink.treeNotifications[0].itemOld.lParam, 1);
    EXPECT_EQ(sink.treeNotifications[1].itemOld.hItem, plugins);
}

TEST_F(ControlTreeTest, SelectingAnItemTellsTheParentOldAndNew)
{
    HTREEITEM first = AddPage(plugins, "First", 11);
    HTREEITEM second = AddPage(plugins, "Second", 22);
    EXPECT_TRUE(tree.SelectItem(first));
    EXPECT_TRUE(tree.SelectItem(second));

    EXPECT_EQ(tree.GetSelectedItem(), second);
    ASSERT_EQ(sink.treeNotifications.size(), 4u);
    const NMTREEVIEW& changed = sink.treeNotifications[3];
    EXPECT_EQ(changed.hdr.code, UINT(TVN_SELCHANGED));
    EXPECT_EQ(changed.hdr.idFrom, 40u);
    EXPECT_EQ(changed.itemOld.hItem, first);
    EXPECT_EQ(changed.itemOld.lParam, 11);
    EXPECT_EQ(changed.itemNew.hItem, second);
    EXPECT_EQ(changed.itemNew.lParam, 22);
    EXPECT_EQ(sink.treeNotifications[2].hdr.code, UINT(TVN_SELCHANGING));
    // The selection opened the parent, so the item shows.
    EXPECT_TRUE(tree.GetItemState(plugins, TVIS_EXPANDED));
}

TEST_F(ControlTreeTest, ChildrenShowIndentedUnderTheirExpandedParentAndAClickSelects)
{
    HTREEITEM page = AddPage(plugins, "Page", 1);
    CRect parentRect, childRect;
    EXPECT_FALSE(tree.GetItemRect(page, &childRect, TRUE));
    tree.Expand(plugins, TVE_EXPAND);
    ASSERT_TRUE(tree.GetItemRect(plugins, &parentRect, TRUE));
    ASSERT_TRUE(tree.GetItemRect(page, &childRect, TRUE));
    EXPECT_EQ(childRect.left - parentRect.left, int(tree.GetIndent()));
    EXPECT_EQ(childRect.top, parentRect.bottom);

    driver.Click(platform::Automation::ToScreen(tree.m_hWnd, childRect.CenterPoint()));
    driver.RunUntilIdle();
    EXPECT_EQ(tree.GetSelectedItem(), page);
    ASSERT_FALSE(sink.treeNotifications.empty());
    EXPECT_EQ(sink.treeNotifications.back().action, UINT(TVC_BYMOUSE));
    platform::ControlActions::SelectTreeItem(40, "Plug-ins", sink.m_hWnd);
    driver.RunUntilIdle();
    EXPECT_EQ(tree.GetSelectedItem(), plugins);
}

} // namespace
