#include "GridCtrl.h"

BOOL CGridCtrl::IsInside(int row, int col) const
{
    return row >= 0 && col >= 0 && row < RowTotal() && col < ColumnTotal();
}

BOOL CGridCtrl::IsInside(const CCellBlock& block) const
{
    return IsInside(block.minRow, block.minCol) && IsInside(block.maxRow, block.maxCol) &&
           block.maxRow >= block.minRow && block.maxCol >= block.minCol;
}

// The state is stored unchanged: a picked bit written here does not enter the selection set.
BOOL CGridCtrl::PutCell(const GridItem* item)
{
    if (!item)
        return FALSE;
    CGridCellData* cell = Cell(item->row, item->col);
    if (!cell)
        return FALSE;
    const UINT mask = item->mask;
    if (mask & CELLMASK_TEXT)
        cell->text = item->text;
    if (mask & CELLMASK_VALUE)
        cell->value = item->value;
    if (mask & CELLMASK_PICTURE)
        cell->image = item->image;
    if (mask & CELLMASK_STATE)
        cell->state = item->state;
    if (mask & CELLMASK_FORMAT)
        cell->format = item->format;
    if (mask & CELLMASK_BACK)
        cell->back = item->back;
    if (mask & CELLMASK_FORE)
        cell->fore = item->fore;
    if (mask & CELLMASK_FONT)
        cell->font = item->font;
    return TRUE;
}

BOOL CGridCtrl::FetchCell(GridItem* item) const
{
    if (!item)
        return FALSE;
    const CGridCellData* cell = Cell(item->row, item->col);
    if (!cell)
        return FALSE;
    const UINT mask = item->mask;
    if (mask & CELLMASK_TEXT)
        item->text = CellText(item->row, item->col);
    if (mask & CELLMASK_VALUE)
        item->value = cell->value;
    if (mask & CELLMASK_PICTURE)
        item->image = cell->image;
    if (mask & CELLMASK_STATE)
        item->state = cell->state;
    if (mask & CELLMASK_FORMAT)
        item->format = cell->format;
    if (mask & CELLMASK_BACK)
        item->back = cell->back;
    if (mask & CELLMASK_FORE)
        item->fore = cell->fore;
    if (mask & CELLMASK_FONT)
        item->font = cell->font;
    return TRUE;
}

BOOL CGridCtrl::SetCellText(int row, int col, LPCTSTR text)
{
    CGridCellData* cell = Cell(row, col);
    if (!cell)
        return FALSE;
    cell->text = text;
    return TRUE;
}

BOOL CGridCtrl::SetCellPicture(int row, int col, int image)
{
    CGridCellData* cell = Cell(row, col);
    if (!cell)
        return FALSE;
    cell->image = image;
    return TRUE;
}

int CGridCtrl::CellPicture(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    return cell ? cell->image : -1;
}

// The only path that keeps the selection set in step with the cells' picked bits.
BOOL CGridCtrl::SetCellState(int row, int col, UINT state)
{
    CGridCellData* cell = Cell(row, col);
    if (!cell)
        return FALSE;
    const bool was = (cell->state & CELLSTATE_PICKED) != 0;
    const bool now = (state & CELLSTATE_PICKED) != 0;
    if (was && !now)
        m_selection.Remove(row, col);
    else if (!was && now)
        m_selection.Add(row, col);
    cell->state = state;
    return TRUE;
}

UINT CGridCtrl::CellState(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    return cell ? cell->state : 0;
}

UINT CGridCtrl::CellFormat(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    return cell ? cell->format : 0;
}

BOOL CGridCtrl::SetCellBackground(int row, int col, COLORREF colour)
{
    CGridCellData* cell = Cell(row, col);
    if (!cell)
        return FALSE;
    cell->back = colour;
    return TRUE;
}

BOOL CGridCtrl::SetCellFont(int row, int col, const LOGFONT* font)
{
    CGridCellData* cell = Cell(row, col);
    if (!cell || !font)
        return FALSE;
    cell->font = *font;
    return TRUE;
}

const LOGFONT* CGridCtrl::CellFont(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    return cell ? &cell->font : &m_logFont;
}

BOOL CGridCtrl::CanEditCell(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    if (!cell || !m_editingOn)
        return FALSE;
    return (cell->state & CELLSTATE_LOCKED) == 0;
}

CCellBlock CGridCtrl::SelectionBounds() const
{
    CCellBlock bounds(RowTotal(), ColumnTotal(), -1, -1);
    m_selection.ForEach([&](const CCellRef& cell) {
        bounds.minRow = std::min(bounds.minRow, cell.row);
        bounds.minCol = std::min(bounds.minCol, cell.col);
        bounds.maxRow = std::max(bounds.maxRow, cell.row);
        bounds.maxCol = std::max(bounds.maxCol, cell.col);
    });
    return bounds;
}

// Row 0 and column 0 name no cell here, like -1: marking them sets the grid's flag alone.
void CGridCtrl::MarkModified(BOOL modified, int row, int col)
{
    if (row > 0 && col > 0) {
        const UINT state = CellState(row, col);
        if (modified) {
            SetCellState(row, col, state | CELLSTATE_CHANGED);
            m_modified = TRUE;
        } else {
            SetCellState(row, col, state & ~CELLSTATE_CHANGED);
        }
    } else {
        m_modified = modified;
    }
    if (m_modified)
        return;
    for (int r = 0; r < RowTotal(); ++r)
        for (int c = 0; c < ColumnTotal(); ++c)
            if (const CGridCellData* cell = Cell(r, c))
                SetCellState(r, c, cell->state & ~CELLSTATE_CHANGED);
}

CString CGridCtrl::CellText(int row, int col) const
{
    const CGridCellData* cell = Cell(row, col);
    return cell ? cell->text : CString();
}

std::unique_ptr<CGridCellData> CGridCtrl::MakeCell(int row, int col)
{
    auto cell = std::make_unique<CGridCellData>();
    cell->font = m_logFont;
    if (row > 0)
        if (const CGridCellData* above = Cell(row - 1, col))
            cell->format = above->format;
    return cell;
}

void CGridCtrl::DropCell(CGridCellData* cell, int row, int col)
{
    if (!cell)
        return;
    SetCellState(row, col, 0);
    cell->text.Empty();
}
