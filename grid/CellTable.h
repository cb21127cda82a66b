// The grid's storage: an array of rows, each an array of owned cells, one per column, and the
// row heights and column widths in pixels. It only stores; the grid decides when cells are made
// and cleared, because both go through its overridable hooks.
#pragma once

#include <memory>
#include <vector>

#include "GridCellData.h"

namespace grid {

class CellTable {
public:
    using CellPtr = std::unique_ptr<CGridCellData>;
    using Row = std::vector<CellPtr>;

    int RowCount() const { return int(m_rows.size()); }
    int ColumnCount() const { return int(m_widths.size()); }

    // Null for a row or column outside the table.
    CGridCellData* At(int row, int col) const;

    // Row count changes: removed rows destroy their cells; added rows start empty and are filled
    // with Append, column by column.
    void ResizeRows(int count, UINT height);
    // Column count changes: removed columns destroy their cells in every row; rows are not
    // filled here.
    void ResizeColumns(int count, UINT width);
    void Append(int row, CellPtr cell);

    void SwapRows(int a, int b);
    void Clear();

    UINT Height(int row) const { return m_heights[std::size_t(row)]; }
    UINT Width(int col) const { return m_widths[std::size_t(col)]; }
    void SetHeight(int row, UINT height) { m_heights[std::size_t(row)] = height; }
    void SetWidth(int col, UINT width) { m_widths[std::size_t(col)] = width; }
    const std::vector<UINT>& Heights() const { return m_heights; }
    const std::vector<UINT>& Widths() const { return m_widths; }

private:
    std::vector<Row> m_rows;
    std::vector<UINT> m_heights;
    std::vector<UINT> m_widths;
};

} // namespace grid
