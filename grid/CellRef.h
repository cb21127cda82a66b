// A reference to one cell of a grid by row and column; (-1, -1) names no cell.
#pragma once

struct CCellRef {
    int row = -1;
    int col = -1;

    CCellRef() = default;
    CCellRef(int row_, int col_) : row(row_), col(col_) {}

    bool operator==(const CCellRef&) const = default;
};
