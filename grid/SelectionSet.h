// The set of selected cells, keyed by (column << 16) | (row & 0xFFFF). Only the low 16 bits of
// the row take part in the key, so two cells of one column whose rows differ by a multiple of
// 65536 share one entry; the value remembers the cell that was stored last.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "CellRef.h"

namespace grid {

class SelectionSet {
public:
    static uint32_t Key(int row, int col) { return (uint32_t(col) << 16) | (uint32_t(row) & 0xFFFFu); }

    void Add(int row, int col) { m_cells[Key(row, col)] = CCellRef(row, col); }
    void Remove(int row, int col) { m_cells.erase(Key(row, col)); }
    bool Has(int row, int col) const { return m_cells.count(Key(row, col)) != 0; }
    void Clear() { m_cells.clear(); }
    bool Empty() const { return m_cells.empty(); }
    int Size() const { return int(m_cells.size()); }

    // A copy of the stored cells, so that a caller may change the set while walking them.
    std::vector<CCellRef> Cells() const;
    template <class F>
    void ForEach(F&& f) const
    {
        for (const auto& entry : m_cells)
            f(entry.second);
    }

private:
    // A key's bucket is key >> 4, modulo the bucket count: neighbouring rows of a column share
    // buckets, which keeps a selected block's entries together.
    struct BucketHash {
        std::size_t operator()(uint32_t key) const { return key >> 4; }
    };
    std::unordered_map<uint32_t, CCellRef, BucketHash> m_cells;
};

} // namespace grid
