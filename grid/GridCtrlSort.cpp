#include "GridCtrl.h"

BOOL CGridCtrl::SortRowsByText(int col, BOOL ascending)
{
    ClearSelection();
    MoveFocus(CCellRef(-1, -1));
    return SortRowsByText(col, ascending, m_fixedRows, -1);
}

// A quicksort on the texts of one column. Rows whose texts are equal are never swapped, and a
// row's height travels with its cells.
BOOL CGridCtrl::SortRowsByText(int col, BOOL ascending, int low, int high)
{
    if (col < 0 || col >= ColumnTotal())
        return FALSE;
    if (high == -1)
        high = RowTotal() - 1;
    if (high <= low)
        return FALSE;
    const CString pivot = CellText((low + high) / 2, col);
    int i = low;
    int j = high;
    while (i <= j) {
        if (ascending) {
            while (i < high && CellText(i, col).Compare(pivot) < 0)
                ++i;
            while (j > low && CellText(j, col).Compare(pivot) > 0)
                --j;
        } else {
            while (i < high && CellText(i, col).Compare(pivot) > 0)
                ++i;
            while (j > low && CellText(j, col).Compare(pivot) < 0)
                --j;
        }
        if (i <= j) {
            if (CellText(i, col) != CellText(j, col))
                m_cells.SwapRows(i, j);
            ++i;
            --j;
        }
    }
    if (low < j)
        SortRowsByText(col, ascending, low, j);
    if (i < high)
        SortRowsByText(col, ascending, i, high);
    return TRUE;
}
