// How a projection reads as a table: fourteen columns with their headers, the text format,
// state and background of every cell, and the text of every value. Row r shows index r - 1.
#pragma once

#include "ProjectionModel.h"
#include "platform/core/String.h"
#include "platform/gdi/GdiTypes.h"

namespace growthmark {

inline constexpr int kTableColumns = 14;
inline constexpr int kTurnColumn = 0;
// Columns 1 to 3 hold what the user adds in a turn; the capital and colonist columns also show a
// stock carried into the next turn.
inline constexpr int kLastAdditionColumn = 3;
inline constexpr int kCapitalColumn = 11;
inline constexpr int kColonistColumn = 13;

inline constexpr UINT kHeaderFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
inline constexpr UINT kTurnFormat = DT_RIGHT | DT_VCENTER | DT_WORDBREAK;
inline constexpr UINT kValueFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

inline constexpr COLORREF kStockCapitalBack = RGB(119, 255, 255);
inline constexpr COLORREF kStockColonistBack = RGB(255, 119, 255);

const char* HeaderText(int col);
// The state and background that a data cell (row 1 and below, column 1 and beyond) starts with.
UINT DataCellState(int row, int col);
COLORREF DataCellBackground(int row, int col);

// The text of a data cell of index t, as the computation left the model.
CString DataCellText(const ProjectionModel& model, int t, int col);
// The background of the capital or colonist column, which shows whether a stock is carried.
COLORREF StockBackground(const ProjectionModel& model, int t, int col);

} // namespace growthmark
