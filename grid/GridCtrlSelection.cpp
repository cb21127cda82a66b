#include "GridCtrl.h"

// The focus moves before anyone is told, so a notified parent already sees the new focus cell.
// The fixed cells of the focus row and column are drawn differently, so they are redrawn too.
CCellRef CGridCtrl::MoveFocus(const CCellRef& cell)
{
    if (cell == m_focusCell)
        return m_focusCell;
    const CCellRef old = m_focusCell;
    m_focusCell = cell;
    if (IsInside(old)) {
        NotifyParent(LVN_ITEMCHANGING, old.row, old.col);
        SetCellState(old.row, old.col, CellState(old.row, old.col) & ~CELLSTATE_FOCUS);
        RepaintCell(old.row, old.col);
        if (old.col != cell.col)
            for (int row = 0; row < m_fixedRows; ++row)
                RepaintCell(row, old.col);
        if (old.row != cell.row)
            for (int col = 0; col < m_fixedCols; ++col)
                RepaintCell(old.row, col);
    }
    if (IsInside(cell)) {
        SetCellState(cell.row, cell.col, CellState(cell.row, cell.col) | CELLSTATE_FOCUS);
        RepaintCell(cell.row, cell.col);
        if (old.col != cell.col)
            for (int row = 0; row < m_fixedRows; ++row)
                RepaintCell(row, cell.col);
        if (old.row != cell.row)
            for (int col = 0; col < m_fixedCols; ++col)
                RepaintCell(cell.row, col);
        NotifyParent(LVN_ITEMCHANGED, cell.row, cell.col);
    }
    return old;
}

void CGridCtrl::SelectBlock(int minRow, int minCol, int maxRow, int maxCol, BOOL repaintNow)
{
    if (!m_selectingOn)
        return;
    (void)repaintNow;
    const CCellBlock block(minRow, minCol, maxRow, maxCol);
    for (const CCellRef& cell : m_selection.Cells()) {
        if (!IsInside(cell))
            continue;
        SetCellState(cell.row, cell.col, CellState(cell.row, cell.col) & ~CELLSTATE_PICKED);
        if (!block.Contains(cell))
            RepaintCell(cell.row, cell.col);
    }
    if (!m_oneRowSelect) {
        for (const CCellRef& cell : m_previousSelection.Cells()) {
            if (!IsInside(cell))
                continue;
            SetCellState(cell.row, cell.col, CellState(cell.row, cell.col) | CELLSTATE_PICKED);
            RepaintCell(cell.row, cell.col);
        }
    }
    if (!IsInside(block))
        return;
    for (int row = block.minRow; row <= block.maxRow; ++row) {
        for (int col = block.minCol; col <= block.maxCol; ++col) {
            const UINT state = CellState(row, col);
            if (state & CELLSTATE_PICKED)
                continue;
            SetCellState(row, col, state | CELLSTATE_PICKED);
            RepaintCell(row, col);
        }
    }
}

void CGridCtrl::SelectEverything()
{
    if (!m_selectingOn)
        return;
    SelectBlock(m_fixedRows, m_fixedCols, RowTotal() - 1, ColumnTotal() - 1, FALSE);
}

void CGridCtrl::ClearSelection()
{
    m_previousSelection.Clear();
    SelectBlock(-1, -1, -1, -1, FALSE);
    MoveFocus(CCellRef(-1, -1));
}

// Cells are repainted through the window's update area until the grid paints cells itself.
BOOL CGridCtrl::RepaintCell(int row, int col, CDC*)
{
    if (!m_paintingOn || !GetSafeHwnd() || !IsInside(row, col))
        return FALSE;
    Invalidate(TRUE);
    return TRUE;
}

BOOL CGridCtrl::RepaintRow(int row)
{
    BOOL all = TRUE;
    for (int col = 0; col < ColumnTotal(); ++col)
        if (!RepaintCell(row, col))
            all = FALSE;
    return all;
}
