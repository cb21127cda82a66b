#include "SelectionSet.h"

namespace grid {

std::vector<CCellRef> SelectionSet::Cells() const
{
    std::vector<CCellRef> cells;
    cells.reserve(m_cells.size());
    for (const auto& entry : m_cells)
        cells.push_back(entry.second);
    return cells;
}

} // namespace grid
