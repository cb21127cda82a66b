#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grid/GridCtrl.h"
#include "platform/win/SystemMetrics.h"

namespace {

// Cells labelled by position, so a test can tell where each cell ended up.
void label(CGridCtrl& grid)
{
    for (int row = 0; row < grid.RowTotal(); ++row)
        for (int col = 0; col < grid.ColumnTotal(); ++col)
            grid.SetCellText(row, col, (std::to_string(row) + ":" + std::to_string(col)).c_str());
}

std::vector<std::string> column(const CGridCtrl& grid, int col)
{
    std::vector<std::string> texts;
    for (int row = 0; row < grid.RowTotal(); ++row)
        texts.push_back(grid.CellText(row, col).str());
    return texts;
}

// Counts the cells the grid clears before destroying them.
class CountingGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;
    std::vector<CCellRef> dropped;
    void DropCell(CGridCellData* cell, int row, int col) override
    {
        dropped.emplace_back(row, col);
        CGridCtrl::DropCell(cell, row, col);
    }
};

} // namespace

TEST(GridModel, MadeByItsClassNameWithNothingInIt)
{
    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("CGridCtrl"));
    ASSERT_TRUE(object);
    auto* grid = dynamic_cast<CGridCtrl*>(object.get());
    ASSERT_TRUE(grid);
    EXPECT_TRUE(grid->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(grid->RowTotal(), 0);
    EXPECT_EQ(grid->ColumnTotal(), 0);
    EXPECT_EQ(grid->SelectionBounds(), CCellBlock(0, 0, -1, -1));
    EXPECT_FALSE(grid->IsInside(grid->SelectionBounds()));
}

TEST(GridModel, StartsWithItsDocumentedProperties)
{
    CGridCtrl grid(3, 4, 1, 2);
    EXPECT_EQ(grid.RowTotal(), 3);
    EXPECT_EQ(grid.ColumnTotal(), 4);
    EXPECT_EQ(grid.HeaderRowTotal(), 1);
    EXPECT_EQ(grid.HeaderColumnTotal(), 2);
    EXPECT_EQ(grid.RowHeightOf(2), 10);
    EXPECT_EQ(grid.ColumnWidthOf(3), 30);
    EXPECT_EQ(grid.LineMode(), GRIDLINES_BOTH);
    EXPECT_EQ(grid.GridLineColour(), 0xC0C0C0u);
    EXPECT_EQ(grid.TextColour(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(grid.FixedBackColour(), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(grid.EditingOn());
    EXPECT_FALSE(grid.DragDropOn());
    EXPECT_TRUE(grid.SelectingOn());
    EXPECT_TRUE(grid.CellTipsOn());
    EXPECT_EQ(grid.CellMargin(), 0);
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));
    GridItem item;
    item.row = 1;
    item.col = 1;
    item.mask = CELLMASK_PICTURE | CELLMASK_BACK | CELLMASK_FORE | CELLMASK_STATE | CELLMASK_FONT;
    ASSERT_TRUE(grid.FetchCell(&item));
    EXPECT_EQ(item.image, -1);
    EXPECT_EQ(item.back, CLR_DEFAULT);
    EXPECT_EQ(item.fore, CLR_DEFAULT);
    EXPECT_EQ(item.state, 0u);
    EXPECT_STREQ(item.font.lfFaceName, grid.GridFont().lfFaceName);
}

TEST(GridModel, ShrinkingRowsLowersFixedCountsAndDropsTheFocus)
{
    CountingGrid grid(5, 2, 3, 0);
    grid.MoveFocus(CCellRef(4, 1));
    ASSERT_EQ(grid.CellState(4, 1), CELLSTATE_FOCUS);
    grid.SetRows(2);
    EXPECT_EQ(grid.RowTotal(), 2);
    EXPECT_EQ(grid.HeaderRowTotal(), 2);
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));
    const std::vector<CCellRef> expected = {{2, 0}, {2, 1}, {3, 0}, {3, 1}, {4, 0}, {4, 1}};
    EXPECT_EQ(grid.dropped, expected);
    EXPECT_EQ(grid.RowHeightOf(2), -1);
}

TEST(GridModel, ShrinkingColumnsLowersFixedCountsAndDropsTheFocus)
{
    CountingGrid grid(2, 4, 0, 3);
    grid.MoveFocus(CCellRef(1, 3));
    grid.SetColumns(3);
    EXPECT_EQ(grid.HeaderColumnTotal(), 3);
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));
    EXPECT_EQ(grid.dropped, (std::vector<CCellRef>{{0, 3}, {1, 3}}));
    EXPECT_EQ(grid.ColumnWidthOf(3), -1);
}

TEST(GridModel, HeaderCountsGrowTheTableAndTakeTheFocusOffFixedCells)
{
    CGridCtrl grid(2, 2);
    grid.SetHeaderRows(4);
    EXPECT_EQ(grid.RowTotal(), 4);
    EXPECT_EQ(grid.HeaderRowTotal(), 4);
    grid.SetHeaderRows(1);
    grid.MoveFocus(CCellRef(1, 1));
    grid.SetHeaderColumns(2);
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));
    EXPECT_EQ(grid.CellState(1, 1), 0u);
    grid.MoveFocus(CCellRef(3, 1));
    grid.SetHeaderRows(2);
    EXPECT_EQ(grid.FocusCell(), CCellRef(3, 1)) << "the focus row is not fixed";
}

TEST(GridModel, NewCellsTakeTheFormatOfTheCellAbove)
{
    CGridCtrl grid(2, 2);
    GridItem item;
    item.mask = CELLMASK_FORMAT;
    for (int col = 0; col < 2; ++col) {
        item.col = col;
        item.row = 0;
        item.format = 0x15 + col;
        grid.PutCell(&item);
        item.row = 1;
        item.format = 0x8026 + col;
        grid.PutCell(&item);
    }
    grid.SetRows(4);
    grid.SetColumns(3);
    EXPECT_EQ(grid.CellFormat(2, 0), 0x8026u);
    EXPECT_EQ(grid.CellFormat(3, 1), 0x8027u) << "a new row below a new row keeps the inheritance going";
    EXPECT_EQ(grid.CellFormat(0, 2), 0u) << "row 0 starts with format 0";
    EXPECT_EQ(grid.CellFormat(3, 2), 0u);
    EXPECT_EQ(grid.CellFormat(9, 9), 0u);
}

TEST(GridModel, OnlySetCellStateKeepsTheSelectionSet)
{
    CGridCtrl grid(4, 4);
    GridItem item;
    item.row = 2;
    item.col = 3;
    item.mask = CELLMASK_STATE;
    item.state = CELLSTATE_PICKED;
    ASSERT_TRUE(grid.PutCell(&item));
    EXPECT_EQ(grid.CellState(2, 3), CELLSTATE_PICKED);
    EXPECT_FALSE(grid.IsInside(grid.SelectionBounds()));

    ASSERT_TRUE(grid.SetCellState(1, 1, CELLSTATE_PICKED));
    ASSERT_TRUE(grid.SetCellState(3, 2, CELLSTATE_PICKED | CELLSTATE_LOCKED));
    EXPECT_EQ(grid.SelectionBounds(), CCellBlock(1, 1, 3, 2));
    grid.SetCellState(1, 1, 0);
    EXPECT_EQ(grid.SelectionBounds(), CCellBlock(3, 2, 3, 2));
    EXPECT_FALSE(grid.SetCellState(4, 0, CELLSTATE_PICKED));
    EXPECT_FALSE(grid.PutCell(nullptr));
}

TEST(GridModel, SelectionKeyKeepsOnlyTheLowSixteenBitsOfTheRow)
{
    CGridCtrl grid(65537 + 1, 1);
    grid.SetCellState(1, 0, CELLSTATE_PICKED);
    grid.SetCellState(65537, 0, CELLSTATE_PICKED);
    EXPECT_EQ(grid.SelectedCount(), 1);
    EXPECT_EQ(grid.SelectionBounds(), CCellBlock(65537, 0, 65537, 0));
}

TEST(GridModel, DroppedCellsLeaveTheSelection)
{
    CGridCtrl grid(4, 2);
    grid.SetCellState(3, 1, CELLSTATE_PICKED);
    grid.SetCellState(0, 0, CELLSTATE_PICKED);
    grid.SetRows(3);
    EXPECT_EQ(grid.SelectionBounds(), CCellBlock(0, 0, 0, 0));
    grid.RemoveEverything();
    EXPECT_EQ(grid.SelectedCount(), 0);
    EXPECT_EQ(grid.RowTotal(), 0);
    EXPECT_EQ(grid.TotalHeight(), 0);
}

TEST(GridModel, MarkModifiedRules)
{
    CGridCtrl grid(3, 6);
    grid.MarkModified(TRUE, 0, 5);
    EXPECT_TRUE(grid.IsModified());
    EXPECT_EQ(grid.CellState(0, 5), 0u) << "row 0 names no cell";

    grid.MarkModified(TRUE, 1, 2);
    grid.MarkModified(TRUE, 2, 5);
    EXPECT_EQ(grid.CellState(1, 2), CELLSTATE_CHANGED);
    grid.MarkModified(FALSE, 1, 2);
    EXPECT_EQ(grid.CellState(1, 2), 0u);
    EXPECT_TRUE(grid.IsModified()) << "unmarking a cell leaves the grid's flag";
    EXPECT_EQ(grid.CellState(2, 5), CELLSTATE_CHANGED);

    grid.SetCellState(2, 1, CELLSTATE_CHANGED | CELLSTATE_PICKED);
    grid.MarkModified(FALSE);
    EXPECT_FALSE(grid.IsModified());
    EXPECT_EQ(grid.CellState(2, 5), 0u);
    EXPECT_EQ(grid.CellState(2, 1), CELLSTATE_PICKED);
}

TEST(GridModel, InvalidReferencesAreNeutral)
{
    CGridCtrl grid(2, 2);
    for (auto [row, col] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        EXPECT_FALSE(grid.SetCellText(row, col, "x"));
        EXPECT_EQ(grid.CellText(row, col), "");
        EXPECT_EQ(grid.CellPicture(row, col), -1);
        EXPECT_EQ(grid.CellState(row, col), 0u);
        EXPECT_EQ(grid.CellFont(row, col), &grid.GridFont());
        EXPECT_FALSE(grid.CanEditCell(row, col));
    }
    EXPECT_FALSE(grid.ResizeRow(0, -1));
    EXPECT_EQ(grid.RowHeightOf(0), 10);
    EXPECT_TRUE(grid.ResizeRow(0, 0));
    EXPECT_EQ(grid.TotalHeight(), 10);
    EXPECT_FALSE(grid.ResizeColumn(2, 5));
}

TEST(GridModel, EditableCellsFollowTheLockAndTheEditingSwitch)
{
    CGridCtrl grid(2, 2, 1, 1);
    grid.SetCellState(1, 1, CELLSTATE_LOCKED);
    EXPECT_TRUE(grid.CanEditCell(0, 0)) << "fixed cells are not excluded";
    EXPECT_FALSE(grid.CanEditCell(1, 1));
    grid.SetEditingOn(FALSE);
    EXPECT_FALSE(grid.CanEditCell(0, 0));
}

TEST(GridModel, EditFinishedMarksOnlyChangedText)
{
    CGridCtrl grid(3, 3);
    grid.SetCellText(1, 1, "5");
    grid.EditFinished(1, 1, "5");
    EXPECT_FALSE(grid.IsModified());
    grid.EditFinished(1, 1, "6");
    EXPECT_TRUE(grid.IsModified());
    EXPECT_EQ(grid.CellText(1, 1), "6");
    EXPECT_EQ(grid.CellState(1, 1), CELLSTATE_CHANGED);
}

TEST(GridModel, SortingMovesWholeRowsBelowTheFixedOnes)
{
    CGridCtrl grid(6, 2, 1, 0);
    const char* keys[] = {"key", "pear", "apple", "Zebra", "fig", "apple"};
    for (int row = 0; row < 6; ++row) {
        grid.SetCellText(row, 0, keys[row]);
        grid.SetCellText(row, 1, std::to_string(row).c_str());
        grid.ResizeRow(row, 10 + row);
    }
    grid.MoveFocus(CCellRef(2, 1));
    grid.SetCellState(3, 1, CELLSTATE_PICKED);
    ASSERT_TRUE(grid.SortRowsByText(0, TRUE));
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"key", "Zebra", "apple", "apple", "fig", "pear"}));
    // Each row's other cells and height came along.
    for (int row = 1; row < 6; ++row) {
        const int from = std::stoi(grid.CellText(row, 1).str());
        EXPECT_EQ(grid.CellText(row, 0), keys[from]);
        EXPECT_EQ(grid.RowHeightOf(row), 10 + from);
    }
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));
    EXPECT_EQ(grid.SelectedCount(), 0);

    ASSERT_TRUE(grid.SortRowsByText(0, FALSE));
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"key", "pear", "fig", "apple", "apple", "Zebra"}));
    EXPECT_FALSE(grid.SortRowsByText(2, TRUE));
}

TEST(GridModel, SortingEqualTextsSwapsNothing)
{
    CGridCtrl grid(5, 2);
    for (int row = 0; row < 5; ++row) {
        grid.SetCellText(row, 0, "same");
        grid.SetCellText(row, 1, std::to_string(row).c_str());
    }
    grid.SortRowsByText(0, TRUE);
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
}

TEST(GridModel, SelectBlockAndClearSelection)
{
    CGridCtrl grid(5, 5, 1, 1);
    label(grid);
    grid.SelectEverything();
    EXPECT_EQ(grid.SelectionBounds(), CCellBlock(1, 1, 4, 4));
    EXPECT_EQ(grid.SelectedCount(), 16);
    grid.SelectBlock(2, 2, 3, 3, FALSE);
    EXPECT_EQ(grid.SelectedCount(), 4);
    EXPECT_EQ(grid.CellState(1, 1), 0u);
    grid.MoveFocus(CCellRef(2, 2));
    grid.ClearSelection();
    EXPECT_EQ(grid.SelectedCount(), 0);
    EXPECT_EQ(grid.FocusCell(), CCellRef(-1, -1));

    grid.SetSelectingOn(FALSE);
    grid.SelectEverything();
    EXPECT_EQ(grid.SelectedCount(), 0);
}

TEST(GridModel, WheelLinesComeFromTheDesktopSettingsAtConstruction)
{
    struct Case {
        std::optional<std::string> stored;
        int lines;
    } cases[] = {{std::nullopt, 3}, {"-1", -1}, {"4294967295", -1}, {"5", 5}, {"7 rows", 7}};
    for (const auto& c : cases) {
        platform::DesktopSettings::Instance().SetWheelScrollLinesText(c.stored);
        CGridCtrl grid;
        platform::DesktopSettings::Instance().SetWheelScrollLinesText("1");
        EXPECT_EQ(grid.WheelScrollLines(), c.lines) << c.stored.value_or("(none)");
    }
    platform::DesktopSettings::Instance().Reset();
}
