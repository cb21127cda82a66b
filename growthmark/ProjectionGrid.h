// CProjectionGrid: the grid that holds a planet's development projection and shows it, one row
// a turn. A click on a turn switches its production; typing into the additions of a turn
// recomputes the turns after it.
#pragma once

#include <functional>

#include "ProjectionModel.h"
#include "grid/GridCtrl.h"
#include "platform/gdi/ImageList.h"

class CProjectionGrid : public CGridCtrl {
public:
    CProjectionGrid();
    ~CProjectionGrid() override;

    // The window that opens the projection sets the seed values before building it.
    growthmark::ProjectionSeed& Seed() { return m_model.Seed; }
    const growthmark::ProjectionModel& Model() const { return m_model; }

    // Builds the table and computes every turn; a projection is built once.
    void BuildProjection();
    // Recomputes from max(firstRow, 1) on and rewrites those table rows.
    void Recalculate(int firstRow);

    void HeaderColumnClicked(CCellRef cell) override;
    void HeaderRowClicked(CCellRef cell) override;
    void EditFinished(int row, int col, LPCTSTR text) override;

    // Tells the user that memory ran out while the series were allocated.
    std::function<void()> ReportOutOfMemory;

private:
    void LoadPictures();
    void WriteFrame();
    void WriteRow(int row);
    void RepaintRowsFrom(int row);

    CImageList m_pictures;
    growthmark::ProjectionModel m_model;
    bool m_built = false;
};
