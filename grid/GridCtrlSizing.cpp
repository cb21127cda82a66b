#include <algorithm>

#include "GridCtrl.h"
#include "ClientContext.h"
#include "platform/gdi/ImageList.h"

int CGridCtrl::RowHeightOf(int row) const
{
    if (row < 0 || row >= RowTotal())
        return -1;
    return int(m_cells.Height(row));
}

int CGridCtrl::ColumnWidthOf(int col) const
{
    if (col < 0 || col >= ColumnTotal())
        return -1;
    return int(m_cells.Width(col));
}

BOOL CGridCtrl::ResizeRow(int row, int height)
{
    if (row < 0 || row >= RowTotal() || height < 0)
        return FALSE;
    m_cells.SetHeight(row, UINT(height));
    UpdateScrollRanges();
    return TRUE;
}

BOOL CGridCtrl::ResizeColumn(int col, int width)
{
    if (col < 0 || col >= ColumnTotal() || width < 0)
        return FALSE;
    m_cells.SetWidth(col, UINT(width));
    UpdateScrollRanges();
    return TRUE;
}

int CGridCtrl::HeaderHeight() const
{
    int height = 0;
    for (int row = 0; row < m_fixedRows; ++row)
        height += RowHeightOf(row);
    return height;
}

int CGridCtrl::HeaderWidth() const
{
    int width = 0;
    for (int col = 0; col < m_fixedCols; ++col)
        width += ColumnWidthOf(col);
    return width;
}

int CGridCtrl::TotalHeight() const
{
    int height = 0;
    for (UINT h : m_cells.Heights())
        height += int(h);
    return height;
}

int CGridCtrl::TotalWidth() const
{
    int width = 0;
    for (UINT w : m_cells.Widths())
        width += int(w);
    return width;
}

// A cell measures its whole text on one line in its own font, fixed cells in weight 600, with
// margins around it and its picture beside it.
CSize CGridCtrl::CellExtent(int row, int col, CDC* dc)
{
    if (!dc)
        return CSize();
    LOGFONT description = *CellFont(row, col);
    if (IsFixed(row, col))
        description.lfWeight = 600;
    CFont font;
    font.CreateFontIndirect(&description);
    CSize size;
    {
        grid::FontSelection selection(dc, &font);
        size = dc->GetTextExtent(CellText(row, col));
    }
    size.cx += 4 * m_cellMargin;
    size.cy += 2 * m_cellMargin;
    IMAGEINFO info;
    const int image = CellPicture(row, col);
    if (m_pictures && image >= 0 && m_pictures->GetImageInfo(image, &info)) {
        size.cx += info.rcImage.right - info.rcImage.left + 1;
        size.cy = std::max<LONG>(size.cy, info.rcImage.bottom - info.rcImage.top + 1);
    }
    return size;
}

BOOL CGridCtrl::FitColumn(int col)
{
    if (col < 0 || col >= ColumnTotal())
        return FALSE;
    grid::ClientContext dc(this);
    if (!dc)
        return FALSE;
    int width = 0;
    for (int row = 0; row < RowTotal(); ++row)
        width = std::max<int>(width, CellExtent(row, col, dc.get()).cx);
    m_cells.SetWidth(col, UINT(width));
    UpdateScrollRanges();
    return TRUE;
}

BOOL CGridCtrl::FitRow(int row)
{
    if (row < 0 || row >= RowTotal())
        return FALSE;
    grid::ClientContext dc(this);
    if (!dc)
        return FALSE;
    int height = 0;
    for (int col = 0; col < ColumnTotal(); ++col)
        height = std::max<int>(height, CellExtent(row, col, dc.get()).cy);
    m_cells.SetHeight(row, UINT(height));
    UpdateScrollRanges();
    return TRUE;
}

void CGridCtrl::FitAll()
{
    grid::ClientContext dc(this);
    if (!dc)
        return;
    for (int col = 0; col < ColumnTotal(); ++col)
        m_cells.SetWidth(col, 0);
    for (int row = 0; row < RowTotal(); ++row)
        m_cells.SetHeight(row, 0);
    for (int col = 0; col < ColumnTotal(); ++col) {
        for (int row = 0; row < RowTotal(); ++row) {
            const CSize size = CellExtent(row, col, dc.get());
            if (size.cx > int(m_cells.Width(col)))
                m_cells.SetWidth(col, UINT(size.cx));
            if (size.cy > int(m_cells.Height(row)))
                m_cells.SetHeight(row, UINT(size.cy));
        }
    }
    UpdateScrollRanges();
    InvalidateIfPainting();
}

// The scroll ranges let the non-fixed part of the table scroll through the client area left
// beside and below the fixed rows and columns.
void CGridCtrl::UpdateScrollRanges()
{
    if (!m_paintingOn || !GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const int pageWidth = client.Width() - HeaderWidth();
    const int pageHeight = client.Height() - HeaderHeight();
    if (pageWidth <= 0 || pageHeight <= 0)
        return;
    SCROLLINFO info;
    info.fMask = SIF_PAGE;
    info.nPage = UINT(pageWidth);
    SetScrollInfo(SB_HORZ, &info, FALSE);
    info.nPage = UINT(pageHeight);
    SetScrollInfo(SB_VERT, &info, FALSE);
    const int scrolledHeight = TotalHeight() - HeaderHeight();
    const int scrolledWidth = TotalWidth() - HeaderWidth();
    m_maxVerticalScroll = pageHeight < scrolledHeight ? scrolledHeight - 1 : 0;
    m_maxHorizontalScroll = pageWidth < scrolledWidth ? scrolledWidth - 1 : 0;
    SetScrollRange(SB_VERT, 0, m_maxVerticalScroll, TRUE);
    SetScrollRange(SB_HORZ, 0, m_maxHorizontalScroll, TRUE);
}
