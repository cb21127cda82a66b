#include "CellTable.h"

#include <utility>

namespace grid {

CGridCellData* CellTable::At(int row, int col) const
{
    if (row < 0 || col < 0 || row >= RowCount())
        return nullptr;
    const Row& cells = m_rows[std::size_t(row)];
    if (col >= int(cells.size()))
        return nullptr;
    return cells[std::size_t(col)].get();
}

void CellTable::ResizeRows(int count, UINT height)
{
    const std::size_t n = count > 0 ? std::size_t(count) : 0;
    const std::size_t first = m_rows.size();
    m_rows.resize(n);
    for (std::size_t row = first; row < n; ++row)
        m_rows[row].reserve(m_widths.size());
    m_heights.resize(n, height);
}

void CellTable::ResizeColumns(int count, UINT width)
{
    const std::size_t n = count > 0 ? std::size_t(count) : 0;
    for (Row& cells : m_rows) {
        if (cells.size() > n)
            cells.resize(n);
        else
            cells.reserve(n);
    }
    m_widths.resize(n, width);
}

void CellTable::Append(int row, CellPtr cell)
{
    m_rows[std::size_t(row)].push_back(std::move(cell));
}

void CellTable::SwapRows(int a, int b)
{
    std::swap(m_rows[std::size_t(a)], m_rows[std::size_t(b)]);
    std::swap(m_heights[std::size_t(a)], m_heights[std::size_t(b)]);
}

void CellTable::Clear()
{
    m_rows.clear();
    m_heights.clear();
    m_widths.clear();
}

} // namespace grid
