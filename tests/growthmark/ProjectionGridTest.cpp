#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "growthmark/ProjectionGrid.h"
#include "growthmark/ProjectionTable.h"
#include "platform/win/EventLog.h"

using namespace growthmark;

namespace {

// Array allocations of one exact size fail once armed, after a number of them succeeded. The
// projection's series are the only arrays of their size in these tests.
struct ArrayFailure {
    std::size_t size = 0;
    int succeedFirst = 0;
};
ArrayFailure g_arrayFailure;

} // namespace

void* operator new[](std::size_t size)
{
    if (g_arrayFailure.size != 0 && size == g_arrayFailure.size && g_arrayFailure.succeedFirst-- <= 0)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

void seedExample(CProjectionGrid& grid, int turns = 10)
{
    ProjectionSeed& seed = grid.Seed();
    seed.InitialMode = ModeCapital;
    seed.InitialSize = 1000;
    seed.InitialPopulation = 500;
    seed.InitialIndustry = 200;
    seed.InitialProductivity = 275;
    seed.InitialResources = 10;
    seed.TurnCount = turns;
    seed.FirstTurn = 42;
}

COLORREF background(const CGridCtrl& grid, int row, int col)
{
    GridItem item;
    item.row = row;
    item.col = col;
    item.mask = CELLMASK_BACK;
    grid.FetchCell(&item);
    return item.back;
}

std::vector<std::string> rowTexts(const CGridCtrl& grid, int row)
{
    std::vector<std::string> texts;
    for (int col = 0; col < grid.ColumnTotal(); ++col)
        texts.push_back(grid.CellText(row, col).str());
    return texts;
}

} // namespace

TEST(ProjectionGrid, ATableOfTurnsWithHeadersFormatsAndStates)
{
    CProjectionGrid grid;
    seedExample(grid, 3);
    grid.BuildProjection();
    ASSERT_EQ(grid.RowTotal(), 11);
    ASSERT_EQ(grid.ColumnTotal(), 14);
    EXPECT_EQ(grid.HeaderRowTotal(), 1);
    EXPECT_EQ(grid.HeaderColumnTotal(), 1);
    EXPECT_EQ(rowTexts(grid, 0), (std::vector<std::string>{"Turn", "COL", "CAP", "MAT", "+COL", "+CAP", "S", "R",
                                                           "P", "I", "L", "$", "M", "C"}));
    EXPECT_EQ(grid.CellText(1, 0), "42");
    EXPECT_EQ(grid.CellText(10, 0), "51");
    EXPECT_EQ(grid.CellFormat(0, 7), 0x15u);
    EXPECT_EQ(grid.CellFormat(5, 0), 0x16u);
    EXPECT_EQ(grid.CellFormat(5, 13), 0x8026u);
    EXPECT_EQ(grid.CellPicture(1, 0), ModeCapital);
    EXPECT_NE(grid.Pictures(), nullptr);

    // Row 1 holds no additions: empty, grey, read-only. Row 2 takes them.
    for (int col = 1; col <= 3; ++col) {
        EXPECT_EQ(grid.CellText(1, col), "");
        EXPECT_EQ(background(grid, 1, col), 0xCCCCCCu);
        EXPECT_EQ(grid.CellState(1, col), CELLSTATE_LOCKED);
        EXPECT_EQ(grid.CellText(2, col), "");
        EXPECT_EQ(background(grid, 2, col), CLR_DEFAULT);
        EXPECT_EQ(grid.CellState(2, col), 0u);
    }
    for (int col = 4; col <= 13; ++col)
        EXPECT_EQ(grid.CellState(7, col), CELLSTATE_LOCKED) << col;
    const COLORREF colours[] = {0xFFCCFF, 0xFFCCFF, 0xCCFFFF, 0xCCFFFF, 0xDDDDFF, 0xDDDDFF, 0xDDDDFF, CLR_DEFAULT,
                                CLR_DEFAULT, CLR_DEFAULT};
    for (int col = 4; col <= 13; ++col)
        EXPECT_EQ(background(grid, 4, col), colours[col - 4]) << col;
}

TEST(ProjectionGrid, WorkedExampleAsTheTableShowsIt)
{
    CProjectionGrid grid;
    seedExample(grid);
    grid.BuildProjection();
    EXPECT_EQ(rowTexts(grid, 1), (std::vector<std::string>{"42", "", "", "", "62.50", "800.00", "1000.00", "10.00",
                                                           "500.00", "200.00", "275.00", "53.92", "0.00", "5.00"}));
    EXPECT_EQ(rowTexts(grid, 2), (std::vector<std::string>{"43", "", "", "", "57.50", "746.08", "1000.00", "10.00",
                                                           "540.00", "253.92", "325.44", "63.81", "0.00", "5.40"}));
}

TEST(ProjectionGrid, StocksShowBeforeTheirColumnOnTheirColour)
{
    struct Case {
        double capitalStock, industry;
        const char* capital;
        COLORREF capitalBack;
        const char* room;
    } cases[] = {
        {4, 200, "4.00 : 0.00", 0xFFFF77, "800.00"},
        {0, 200, "0.00", CLR_DEFAULT, "800.00"},
        {0, 1003.5, "0.00", CLR_DEFAULT, ""},
    };
    for (const auto& c : cases) {
        CProjectionGrid grid;
        seedExample(grid);
        grid.Seed().InitialMode = ModeOther;
        grid.Seed().InitialCapitalStock = c.capitalStock;
        grid.Seed().InitialIndustry = c.industry;
        grid.Seed().InitialColonistStock = 2;
        grid.BuildProjection();
        EXPECT_EQ(grid.CellText(1, 11), c.capital);
        EXPECT_EQ(background(grid, 1, 11), c.capitalBack);
        EXPECT_EQ(grid.CellText(1, 5), c.room) << "room below zero shows empty";
        EXPECT_EQ(grid.CellText(1, 13), "2.00 : 5.00");
        EXPECT_EQ(background(grid, 1, 13), 0xFF77FFu);
    }
}

TEST(ProjectionGrid, TurnClicksCycleTheModeAndItsPicture)
{
    CProjectionGrid grid;
    seedExample(grid);
    grid.BuildProjection();
    const std::string before = grid.CellText(5, 11).str();
    grid.HeaderColumnClicked(CCellRef(4, 0));
    EXPECT_EQ(grid.Model().ProductionMode[3], ModeOther);
    EXPECT_EQ(grid.CellPicture(4, 0), ModeOther);
    EXPECT_EQ(grid.CellText(4, 11), "0.00");
    EXPECT_NE(grid.CellText(5, 11).str(), before);
    grid.HeaderColumnClicked(CCellRef(4, 0));
    EXPECT_EQ(grid.CellPicture(4, 0), ModeTerraform);
    grid.HeaderColumnClicked(CCellRef(4, 0));
    EXPECT_EQ(grid.CellPicture(4, 0), ModeCapital);
    EXPECT_EQ(grid.CellText(5, 11).str(), before);

    grid.HeaderColumnClicked(CCellRef(0, 0));
    grid.HeaderRowClicked(CCellRef(0, 3));
    for (int t = 0; t < grid.Model().Turns(); ++t)
        EXPECT_EQ(grid.Model().ProductionMode[t], ModeCapital);
}

TEST(ProjectionGrid, TypedAdditionsAreReadAsNumbers)
{
    struct Case {
        int col;
        const char* typed;
        double stored;
        const char* shown;
    } cases[] = {
        {1, "5", 5, "5.00"},
        {2, "12abc", 12, "12.00"},
        {3, "  2.5e1", 25, "25.00"},
        {1, "abc", 0, ""},
        {2, "-3", -3, "-3.00"},
    };
    for (const auto& c : cases) {
        CProjectionGrid grid;
        seedExample(grid);
        grid.BuildProjection();
        const std::string population = grid.CellText(4, 8).str();
        grid.EditFinished(3, c.col, c.typed);
        const ProjectionModel& m = grid.Model();
        const double stored[] = {0, m.AddCol[2], m.AddCap[2], m.AddMat[2]};
        EXPECT_EQ(stored[c.col], c.stored) << c.typed;
        EXPECT_EQ(grid.CellText(3, c.col), c.shown) << c.typed;
        EXPECT_EQ(grid.CellState(3, c.col), CELLSTATE_CHANGED);
        if (c.col == 1 && c.stored != 0) {
            EXPECT_NE(grid.CellText(4, 8).str(), population) << "the next turn's population follows";
        }
    }
}

TEST(ProjectionGrid, RunningOutOfMemoryLeavesAnEmptyTableThatIgnoresClicks)
{
    CProjectionGrid grid;
    seedExample(grid, 1237);
    platform::EventLog::Instance().Clear();
    g_arrayFailure = {1237 * sizeof(double), 3};
    grid.BuildProjection();
    g_arrayFailure = {};
    EXPECT_TRUE(platform::EventLog::Instance().Contains("Out of memory."));
    ASSERT_EQ(grid.RowTotal(), 1238);
    ASSERT_EQ(grid.ColumnTotal(), 14);
    EXPECT_EQ(grid.CellText(0, 0), "");
    EXPECT_EQ(grid.CellText(1, 0), "");
    grid.HeaderColumnClicked(CCellRef(2, 0));
    grid.EditFinished(2, 1, "5");
    EXPECT_EQ(grid.CellText(2, 1), "");
    EXPECT_EQ(grid.CellPicture(2, 0), -1);
}

TEST(ProjectionGrid, FittedTurnColumnMakesRoomForThePicture)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr));
    CProjectionGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 600, 400), &parent, 100, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP));
    seedExample(grid);
    grid.BuildProjection();
    IMAGEINFO info;
    ASSERT_TRUE(grid.Pictures()->GetImageInfo(1, &info));
    const int pictureWidth = info.rcImage.right - info.rcImage.left + 1;
    CDC* dc = grid.GetDC();
    const CSize withPicture = grid.CellExtent(1, 0, dc);
    grid.SetCellPicture(1, 0, -1);
    const CSize without = grid.CellExtent(1, 0, dc);
    grid.ReleaseDC(dc);
    EXPECT_EQ(withPicture.cx, without.cx + pictureWidth);
    EXPECT_GE(grid.ColumnWidthOf(0), withPicture.cx);
    EXPECT_GE(grid.RowHeightOf(1), withPicture.cy);

    grid.ResizeColumn(6, 3);
    grid.HeaderRowClicked(CCellRef(0, 0));
    EXPECT_GT(grid.ColumnWidthOf(6), 3) << "a header click fits every column again";
}
