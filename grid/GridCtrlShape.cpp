#include "GridCtrl.h"

BOOL CGridCtrl::SetRows(int rows)
{
    if (rows < 0)
        rows = 0;
    if (rows == RowTotal())
        return TRUE;
    if (rows < m_fixedRows)
        m_fixedRows = rows;
    if (m_focusCell.row >= rows)
        MoveFocus(CCellRef(-1, -1));
    const int first = RowTotal();
    if (rows < first)
        RemoveRowsFrom(rows);
    m_cells.ResizeRows(rows, UINT(m_defaultRowHeight));
    // New cells are made row by row, so each can take the format of the cell above it.
    for (int row = first; row < rows; ++row)
        for (int col = 0; col < ColumnTotal(); ++col)
            m_cells.Append(row, MakeCell(row, col));
    UpdateScrollRanges();
    InvalidateIfPainting();
    return TRUE;
}

BOOL CGridCtrl::SetColumns(int cols)
{
    if (cols < 0)
        cols = 0;
    if (cols == ColumnTotal())
        return TRUE;
    if (cols < m_fixedCols)
        m_fixedCols = cols;
    if (m_focusCell.col >= cols)
        MoveFocus(CCellRef(-1, -1));
    const int first = ColumnTotal();
    if (cols < first)
        RemoveColumnsFrom(cols);
    m_cells.ResizeColumns(cols, UINT(m_defaultColumnWidth));
    for (int row = 0; row < RowTotal(); ++row)
        for (int col = first; col < cols; ++col)
            m_cells.Append(row, MakeCell(row, col));
    UpdateScrollRanges();
    InvalidateIfPainting();
    return TRUE;
}

// Each cell is cleared through the hook before the storage destroys it.
void CGridCtrl::RemoveRowsFrom(int first)
{
    for (int row = first; row < RowTotal(); ++row)
        for (int col = 0; col < ColumnTotal(); ++col)
            DropCell(Cell(row, col), row, col);
}

void CGridCtrl::RemoveColumnsFrom(int first)
{
    for (int row = 0; row < RowTotal(); ++row)
        for (int col = first; col < ColumnTotal(); ++col)
            DropCell(Cell(row, col), row, col);
}

BOOL CGridCtrl::SetHeaderRows(int rows)
{
    if (rows < 0)
        rows = 0;
    if (RowTotal() < rows)
        SetRows(rows);
    if (m_focusCell.row < rows)
        MoveFocus(CCellRef(-1, -1));
    m_fixedRows = rows;
    InvalidateIfPainting();
    return TRUE;
}

BOOL CGridCtrl::SetHeaderColumns(int cols)
{
    if (cols < 0)
        cols = 0;
    if (ColumnTotal() < cols)
        SetColumns(cols);
    if (m_focusCell.col < cols)
        MoveFocus(CCellRef(-1, -1));
    m_fixedCols = cols;
    InvalidateIfPainting();
    return TRUE;
}

BOOL CGridCtrl::RemoveEverything()
{
    ClearSelection();
    RemoveRowsFrom(0);
    m_cells.Clear();
    m_focusCell = CCellRef(-1, -1);
    m_fixedRows = 0;
    m_fixedCols = 0;
    UpdateScrollRanges();
    return TRUE;
}
