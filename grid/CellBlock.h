// A rectangle of cells, from its top-left to its bottom-right cell, both included.
#pragma once

#include "CellRef.h"

struct CCellBlock {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    CCellBlock() = default;
    CCellBlock(int minRow_, int minCol_, int maxRow_, int maxCol_)
        : minRow(minRow_), minCol(minCol_), maxRow(maxRow_), maxCol(maxCol_)
    {
    }

    CCellRef TopLeft() const { return {minRow, minCol}; }
    CCellRef BottomRight() const { return {maxRow, maxCol}; }
    bool Contains(const CCellRef& cell) const
    {
        return cell.row >= minRow && cell.row <= maxRow && cell.col >= minCol && cell.col <= maxCol;
    }

    bool operator==(const CCellBlock&) const = default;
};
