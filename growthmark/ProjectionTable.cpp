#include "ProjectionTable.h"

#include "grid/GridCellData.h"

namespace growthmark {

namespace {

const char* const kHeaders[kTableColumns] = {"Turn", "COL", "CAP", "MAT", "+COL", "+CAP", "S",
                                             "R",    "P",   "I",   "L",   "$",    "M",    "C"};

constexpr COLORREF kFirstAdditionBack = RGB(204, 204, 204);
constexpr COLORREF kRoomBack = RGB(255, 204, 255);
constexpr COLORREF kExtentBack = RGB(255, 255, 204);
constexpr COLORREF kOutputBack = RGB(255, 221, 221);

CString amount(double value)
{
    CString text;
    text.Format("%.2f", value);
    return text;
}

// Additions show nothing while nothing was added.
CString addition(double value) { return value == 0 ? CString() : amount(value); }

// Room shows only while there is some.
CString room(double value) { return value > 0 ? amount(value) : CString(); }

CString withStock(double stock, double value)
{
    if (!(stock > 0))
        return amount(value);
    CString text;
    text.Format("%.2f : %.2f", stock, value);
    return text;
}

} // namespace

const char* HeaderText(int col)
{
    if (col < 0 || col >= kTableColumns)
        return "";
    return kHeaders[col];
}

UINT DataCellState(int row, int col)
{
    const bool editable = row >= 2 && col >= 1 && col <= kLastAdditionColumn;
    return editable ? 0 : CELLSTATE_LOCKED;
}

COLORREF DataCellBackground(int row, int col)
{
    if (col >= 1 && col <= kLastAdditionColumn)
        return row == 1 ? kFirstAdditionBack : CLR_DEFAULT;
    if (col == 4 || col == 5)
        return kRoomBack;
    if (col == 6 || col == 7)
        return kExtentBack;
    if (col >= 8 && col <= 10)
        return kOutputBack;
    return CLR_DEFAULT;
}

CString DataCellText(const ProjectionModel& m, int t, int col)
{
    switch (col) {
    case 1: return addition(m.AddCol[t]);
    case 2: return addition(m.AddCap[t]);
    case 3: return addition(m.AddMat[t]);
    case 4: return room(m.ColRoom[t]);
    case 5: return room(m.CapRoom[t]);
    case 6: return amount(m.S[t]);
    case 7: return amount(m.R[t]);
    case 8: return amount(m.P[t]);
    case 9: return amount(m.I[t]);
    case 10: return amount(m.L[t]);
    case kCapitalColumn: return withStock(m.CapStock[t], m.CapMade[t]);
    case 12: return amount(m.M[t]);
    case kColonistColumn: return withStock(m.ColStock[t], m.ColGrowth[t]);
    default: return CString();
    }
}

COLORREF StockBackground(const ProjectionModel& m, int t, int col)
{
    if (col == kCapitalColumn)
        return m.CapStock[t] > 0 ? kStockCapitalBack : CLR_DEFAULT;
    if (col == kColonistColumn)
        return m.ColStock[t] > 0 ? kStockColonistBack : CLR_DEFAULT;
    return CLR_DEFAULT;
}

} // namespace growthmark
