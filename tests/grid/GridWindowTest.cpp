#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "grid/GridCtrl.h"
#include "grid/OleSession.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/SysColors.h"

namespace {

// A top-level window that keeps the grid notifications it receives.
class Parent : public CWnd {
public:
    struct Received {
        WPARAM id;
        UINT code;
        HWND from;
        int row, col;
    };
    std::vector<Received> notes;

    Parent() { CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const auto* note = reinterpret_cast<const GridNotify*>(lParam);
            notes.push_back({wParam, note->hdr.code, note->hdr.hwndFrom, note->row, note->col});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

constexpr DWORD kProjectionStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;

// The metrics of the grid font as a context of the grid's window measures them.
struct FontMetrics {
    int space = 0;
    TEXTMETRIC text;
};
FontMetrics metricsOf(CGridCtrl& grid, const LOGFONT& description)
{
    CFont font;
    font.CreateFontIndirect(&description);
    CDC* dc = grid.GetDC();
    CFont* old = dc->SelectObject(&font);
    FontMetrics m;
    m.space = dc->GetTextExtent(" ", 1).cx;
    dc->GetTextMetrics(&m.text);
    dc->SelectObject(old);
    grid.ReleaseDC(dc);
    return m;
}

class GridWindowTest : public ::testing::Test {
protected:
    void TearDown() override { platform::ResetSysColors(); }
    Parent parent;
};

} // namespace

TEST_F(GridWindowTest, CreationAppliesTheFontAndResizesEveryRowAndColumn)
{
    CGridCtrl grid(3, 4, 1, 1);
    grid.ResizeRow(0, 77);
    grid.ResizeColumn(2, 5);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    WNDCLASS info;
    ASSERT_TRUE(GetClassInfo(nullptr, "MFCGridCtrl", &info));
    EXPECT_EQ(info.style, 0x000Bu);
    EXPECT_EQ(grid.GetDlgCtrlID(), 100);

    const FontMetrics m = metricsOf(grid, grid.GridFont());
    ASSERT_GT(m.space, 0);
    EXPECT_EQ(grid.CellMargin(), m.space);
    EXPECT_EQ(grid.DefaultRowHeight(), m.text.tmHeight + m.text.tmExternalLeading + 2 * m.space);
    EXPECT_EQ(grid.DefaultColumnWidth(), 2 * (6 * m.text.tmAveCharWidth + m.space));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(grid.RowHeightOf(row), grid.DefaultRowHeight()) << "sizes set before creation are lost";
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(grid.ColumnWidthOf(col), grid.DefaultColumnWidth());

    LOGFONT answered;
    auto* font = CFont::FromHandle(reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT)));
    ASSERT_TRUE(font && font->GetLogFont(&answered));
    EXPECT_EQ(std::memcmp(&answered, &grid.GridFont(), sizeof(LOGFONT)), 0);
}

TEST_F(GridWindowTest, SetFontReachesEveryCellButNotTheSizesOfRowsAndColumns)
{
    CGridCtrl grid(2, 2);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    const int rowHeight = grid.RowHeightOf(1);
    LOGFONT big = grid.GridFont();
    big.lfHeight = -30;
    std::strcpy(big.lfFaceName, "Times New Roman");
    CFont font;
    font.CreateFontIndirect(&big);
    grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    EXPECT_EQ(grid.CellFont(1, 1)->lfHeight, -30);
    EXPECT_STREQ(grid.CellFont(0, 1)->lfFaceName, "Times New Roman");
    EXPECT_EQ(grid.RowHeightOf(1), rowHeight);
    EXPECT_GT(grid.DefaultRowHeight(), rowHeight);
    grid.SetRows(3);
    EXPECT_EQ(grid.RowHeightOf(2), grid.DefaultRowHeight());
    EXPECT_EQ(grid.CellFont(2, 0)->lfHeight, -30);
}

TEST_F(GridWindowTest, FittingEmptyCellsLeavesTheMargins)
{
    CGridCtrl grid(3, 3);
    grid.FitAll();
    EXPECT_EQ(grid.ColumnWidthOf(0), 30) << "nothing happens without a window";
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    grid.FitAll();
    const FontMetrics m = metricsOf(grid, grid.GridFont());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(grid.ColumnWidthOf(i), 4 * grid.CellMargin());
        EXPECT_EQ(grid.RowHeightOf(i), m.text.tmHeight + 2 * grid.CellMargin());
    }
    EXPECT_FALSE(grid.FitColumn(3));
    EXPECT_FALSE(grid.FitRow(-1));
}

TEST_F(GridWindowTest, FixedCellsAreMeasuredBold)
{
    CGridCtrl grid(2, 2, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            grid.SetCellText(row, col, "Wide Header Text");
    LOGFONT thin = grid.GridFont();
    thin.lfWeight = 100;
    grid.SetCellFont(0, 0, &thin);
    CDC* dc = grid.GetDC();
    EXPECT_EQ(grid.CellExtent(0, 0, dc), grid.CellExtent(0, 1, dc)) << "the cell's own weight gives way to 600";
    EXPECT_GT(grid.CellExtent(1, 0, dc).cx, grid.CellExtent(1, 1, dc).cx);
    grid.ReleaseDC(dc);
    // Column 1's widest cell is an ordinary one once its header is empty.
    grid.SetCellText(0, 1, "");
    grid.FitAll();
    EXPECT_GT(grid.ColumnWidthOf(0), grid.ColumnWidthOf(1));
}

TEST_F(GridWindowTest, FocusChangesAreToldToTheParent)
{
    CGridCtrl grid(4, 4, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    grid.MoveFocus(CCellRef(2, 2));
    grid.MoveFocus(CCellRef(3, 1));
    grid.MoveFocus(CCellRef(-1, -1));
    ASSERT_EQ(parent.notes.size(), 4u);
    const UINT codes[] = {UINT(LVN_ITEMCHANGED), UINT(LVN_ITEMCHANGING), UINT(LVN_ITEMCHANGED), UINT(LVN_ITEMCHANGING)};
    const CCellRef cells[] = {{2, 2}, {2, 2}, {3, 1}, {3, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(parent.notes[i].code, codes[i]) << i;
        EXPECT_EQ(CCellRef(parent.notes[i].row, parent.notes[i].col), cells[i]) << i;
        EXPECT_EQ(parent.notes[i].id, 100u);
        EXPECT_EQ(parent.notes[i].from, grid.GetSafeHwnd());
    }
    EXPECT_EQ(int(LVN_ITEMCHANGING), -100);
    EXPECT_EQ(int(LVN_ITEMCHANGED), -101);
}

TEST_F(GridWindowTest, ColoursFollowTheSystemUntilTheOwnerSetsThem)
{
    CGridCtrl grid(2, 2);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &parent, 100, kProjectionStyle));
    grid.SetTextColour(RGB(1, 2, 3));
    const int indices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE};
    const COLORREF colours[] = {RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90)};
    SetSysColors(3, indices, colours);
    EXPECT_EQ(grid.BackColour(), RGB(10, 20, 30));
    EXPECT_EQ(grid.TextColour(), RGB(1, 2, 3));
    EXPECT_EQ(grid.FixedTextColour(), RGB(40, 50, 60));
    EXPECT_EQ(grid.FixedBackColour(), RGB(70, 80, 90));
    EXPECT_EQ(grid.GridLineColour(), 0xC0C0C0u);
    // Setting a colour back to the system's value makes it follow again.
    grid.SetTextColour(RGB(40, 50, 60));
    const COLORREF next[] = {RGB(11, 21, 31), RGB(41, 51, 61), RGB(71, 81, 91)};
    SetSysColors(3, indices, next);
    EXPECT_EQ(grid.TextColour(), RGB(41, 51, 61));
    EXPECT_EQ(grid.BackColour(), RGB(11, 21, 31));
}

TEST_F(GridWindowTest, TheFirstGridInitialisesOleAndShutsItDown)
{
    ASSERT_FALSE(grid::OleReady());
    {
        CGridCtrl first;
        EXPECT_TRUE(grid::OleReady());
        {
            CGridCtrl second;
        }
        EXPECT_TRUE(grid::OleReady()) << "only the grid that initialised it shuts it down";
    }
    EXPECT_FALSE(grid::OleReady());
}
