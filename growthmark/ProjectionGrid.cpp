#include "ProjectionGrid.h"

#include "GrowthmarkTexts.h"
#include "ProjectionTable.h"
#include "platform/framework/MessageBox.h"
#include "platform/core/Convert.h"
#include "resources/growthmark/GrowthmarkResources.h"

using namespace growthmark;

namespace {

constexpr int kPictureWidth = 16;
constexpr COLORREF kTransparent = RGB(255, 255, 255);

} // namespace

CProjectionGrid::CProjectionGrid()
{
    ReportOutOfMemory = [] { AfxMessageBox(kOutOfMemoryText, MB_OK | MB_ICONEXCLAMATION); };
}

// The grid may still repaint while it goes, so it lets go of the pictures before they go.
CProjectionGrid::~CProjectionGrid() { AttachPictures(nullptr); }

void CProjectionGrid::BuildProjection()
{
    if (m_built)
        return;
    m_built = true;
    m_model.ApplyMinimumTurns();
    const int turns = m_model.Seed.TurnCount;
    SetRows(turns + 1);
    SetColumns(kTableColumns);
    SetHeaderRows(1);
    SetHeaderColumns(1);
    if (!m_model.Allocate()) {
        if (ReportOutOfMemory)
            ReportOutOfMemory();
        return;
    }
    LoadPictures();
    m_model.Start();
    WriteFrame();
    Recalculate(1);
    FitAll();
}

void CProjectionGrid::LoadPictures()
{
    const auto bitmap = resources::FindBitmap(resources::kProductionModesBitmap);
    if (!bitmap)
        return;
    if (m_pictures.CreateFromBmpData(bitmap->data, bitmap->size, kPictureWidth, 0, kTransparent))
        AttachPictures(&m_pictures);
}

// Headers, the turn column with its pictures, and the format, state and colour of every value
// cell; the values themselves are written by Recalculate.
void CProjectionGrid::WriteFrame()
{
    GridItem item;
    item.mask = CELLMASK_TEXT | CELLMASK_FORMAT;
    item.row = 0;
    item.format = kHeaderFormat;
    for (int col = 0; col < kTableColumns; ++col) {
        item.col = col;
        item.text = HeaderText(col);
        PutCell(&item);
    }
    const int turns = m_model.Turns();
    item.mask = CELLMASK_TEXT | CELLMASK_PICTURE | CELLMASK_FORMAT;
    item.col = kTurnColumn;
    item.format = kTurnFormat;
    for (int row = 1; row <= turns; ++row) {
        item.row = row;
        item.text.Format("%d", m_model.Seed.FirstTurn + row - 1);
        item.image = m_model.ProductionMode[row - 1];
        PutCell(&item);
    }
    item.mask = CELLMASK_STATE | CELLMASK_BACK | CELLMASK_FORMAT;
    item.format = kValueFormat;
    for (int row = 1; row <= turns; ++row) {
        item.row = row;
        for (int col = 1; col < kTableColumns; ++col) {
            item.col = col;
            item.state = DataCellState(row, col);
            item.back = DataCellBackground(row, col);
            PutCell(&item);
        }
    }
}

void CProjectionGrid::Recalculate(int firstRow)
{
    if (!m_model.IsAllocated())
        return;
    m_model.Recalculate(firstRow);
    for (int row = std::max(firstRow, 1); row <= m_model.Turns(); ++row)
        WriteRow(row);
}

void CProjectionGrid::WriteRow(int row)
{
    const int t = row - 1;
    for (int col = 1; col < kTableColumns; ++col) {
        if (col == kCapitalColumn || col == kColonistColumn)
            SetCellBackground(row, col, StockBackground(m_model, t, col));
        SetCellText(row, col, DataCellText(m_model, t, col));
    }
}

void CProjectionGrid::RepaintRowsFrom(int row)
{
    for (int r = row; r <= m_model.Turns(); ++r)
        RepaintRow(r);
}

void CProjectionGrid::HeaderColumnClicked(CCellRef cell)
{
    const int row = cell.row;
    if (!m_model.IsAllocated() || row < 1 || row > m_model.Turns())
        return;
    m_model.CycleMode(row - 1);
    SetCellPicture(row, kTurnColumn, m_model.ProductionMode[row - 1]);
    Recalculate(row - 1);
    RepaintRowsFrom(row);
}

void CProjectionGrid::HeaderRowClicked(CCellRef)
{
    if (!m_model.IsAllocated())
        return;
    FitAll();
}

void CProjectionGrid::EditFinished(int row, int col, LPCTSTR text)
{
    if (!m_model.IsAllocated())
        return;
    CGridCtrl::EditFinished(row, col, text);
    m_model.SetAddition(col, row - 1, platform::AtoF(text ? text : ""));
    Recalculate(row - 1);
    RepaintRowsFrom(row - 1);
}
