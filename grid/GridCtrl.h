// CGridCtrl: a scrolling table window of cells. Leading rows and columns are fixed headers; every
// row has its own height, every column its own width, every cell its own text, format, colours,
// font, picture and state.
//
// The implementation is split by concern: GridCtrl.cpp (construction, window, fonts, colours,
// notifications), GridCtrlCells.cpp (cell access, states, the modified mark), GridCtrlShape.cpp
// (rows and columns), GridCtrlSizing.cpp (sizes, measuring, fitting), GridCtrlSelection.cpp
// (focus and selection), GridCtrlSort.cpp (sorting rows) and GridCtrlHooks.cpp (the defaults of
// the overridable hooks that other concerns own).
#pragma once

#include <memory>

#include "CellBlock.h"
#include "CellRef.h"
#include "CellTable.h"
#include "FollowedColour.h"
#include "GridCellData.h"
#include "GridItem.h"
#include "SelectionSet.h"
#include "platform/gdi/Font.h"
#include "platform/win/Wnd.h"

class CDC;
class CImageList;
class CPrintInfo;
class COleDataSource;
class COleDataObject;

inline constexpr int GRIDLINES_NONE = 0;
inline constexpr int GRIDLINES_HORZ = 1;
inline constexpr int GRIDLINES_VERT = 2;
inline constexpr int GRIDLINES_BOTH = 3;

inline constexpr char kGridWindowClass[] = "MFCGridCtrl";

// What the grid sends its parent with WM_NOTIFY: the standard header, then the cell concerned.
struct GridNotify {
    NMHDR hdr;
    int row = -1;
    int col = -1;
};

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)
public:
    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;

    using CWnd::Create;
    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);

    // Table shape.
    BOOL SetRows(int rows);
    BOOL SetColumns(int cols);
    BOOL SetHeaderRows(int rows);
    BOOL SetHeaderColumns(int cols);
    int RowTotal() const { return m_cells.RowCount(); }
    int ColumnTotal() const { return m_cells.ColumnCount(); }
    int HeaderRowTotal() const { return m_fixedRows; }
    int HeaderColumnTotal() const { return m_fixedCols; }
    BOOL RemoveEverything();

    // Cells. An invalid reference makes a setter return FALSE and a getter its neutral value.
    BOOL PutCell(const GridItem* item);
    BOOL FetchCell(GridItem* item) const;
    BOOL SetCellText(int row, int col, LPCTSTR text);
    BOOL SetCellPicture(int row, int col, int image);
    int CellPicture(int row, int col) const;
    BOOL SetCellState(int row, int col, UINT state);
    UINT CellState(int row, int col) const;
    UINT CellFormat(int row, int col) const;
    BOOL SetCellBackground(int row, int col, COLORREF colour);
    BOOL SetCellFont(int row, int col, const LOGFONT* font);
    const LOGFONT* CellFont(int row, int col) const;
    BOOL IsInside(const CCellRef& cell) const { return IsInside(cell.row, cell.col); }
    BOOL IsInside(int row, int col) const;
    BOOL IsInside(const CCellBlock& block) const;
    BOOL CanEditCell(int row, int col) const;
    CCellBlock SelectionBounds() const;
    void MarkModified(BOOL modified, int row = -1, int col = -1);
    BOOL IsModified() const { return m_modified; }
    // The grid draws pictures from the list but does not own it.
    void AttachPictures(CImageList* pictures) { m_pictures = pictures; }
    CImageList* Pictures() const { return m_pictures; }

    // Sizes in pixels.
    int RowHeightOf(int row) const;
    int ColumnWidthOf(int col) const;
    BOOL ResizeRow(int row, int height);
    BOOL ResizeColumn(int col, int width);
    int HeaderHeight() const;
    int HeaderWidth() const;
    int TotalHeight() const;
    int TotalWidth() const;
    BOOL FitColumn(int col);
    BOOL FitRow(int row);
    void FitAll();

    // Sorting the non-fixed rows by the text of one column.
    BOOL SortRowsByText(int col, BOOL ascending);
    BOOL SortRowsByText(int col, BOOL ascending, int low, int high);

    // Focus and selection.
    CCellRef MoveFocus(const CCellRef& cell);
    CCellRef FocusCell() const { return m_focusCell; }
    void SelectBlock(int minRow, int minCol, int maxRow, int maxCol, BOOL repaintNow);
    void SelectEverything();
    void ClearSelection();
    int SelectedCount() const { return m_selection.Size(); }

    // Repainting and scroll ranges.
    BOOL RepaintCell(int row, int col, CDC* dc = nullptr);
    BOOL RepaintRow(int row);
    void UpdateScrollRanges();

    // Colours. The first five follow the system colours until the owner sets them.
    COLORREF TextColour() const { return m_textColour.value; }
    COLORREF BackColour() const { return m_backColour.value; }
    COLORREF ShadeColour() const { return m_shadeColour.value; }
    COLORREF FixedTextColour() const { return m_fixedTextColour.value; }
    COLORREF FixedBackColour() const { return m_fixedBackColour.value; }
    COLORREF GridLineColour() const { return m_gridLineColour; }
    void SetTextColour(COLORREF colour) { m_textColour.value = colour; }
    void SetBackColour(COLORREF colour) { m_backColour.value = colour; }
    void SetShadeColour(COLORREF colour) { m_shadeColour.value = colour; }
    void SetFixedTextColour(COLORREF colour) { m_fixedTextColour.value = colour; }
    void SetFixedBackColour(COLORREF colour) { m_fixedBackColour.value = colour; }
    void SetGridLineColour(COLORREF colour) { m_gridLineColour = colour; }

    // Properties; changing one repaints nothing by itself.
    int LineMode() const { return m_lineMode; }
    void SetLineMode(int mode) { m_lineMode = mode; }
    BOOL EditingOn() const { return m_editingOn; }
    void SetEditingOn(BOOL on) { m_editingOn = on; }
    BOOL DragDropOn() const { return m_dragDropOn; }
    void SetDragDropOn(BOOL on) { m_dragDropOn = on; }
    BOOL RowListMode() const { return m_rowListMode; }
    void SetRowListMode(BOOL on) { m_rowListMode = on; }
    BOOL OneRowSelect() const { return m_oneRowSelect; }
    void SetOneRowSelect(BOOL on) { m_oneRowSelect = on; }
    BOOL PaintingOn() const { return m_paintingOn; }
    void SetPaintingOn(BOOL on) { m_paintingOn = on; }
    BOOL SelectingOn() const { return m_selectingOn; }
    void SetSelectingOn(BOOL on) { m_selectingOn = on; }
    BOOL SortOnHeaderClick() const { return m_sortOnHeaderClick; }
    void SetSortOnHeaderClick(BOOL on) { m_sortOnHeaderClick = on; }
    BOOL TabMovesFocus() const { return m_tabMovesFocus; }
    void SetTabMovesFocus(BOOL on) { m_tabMovesFocus = on; }
    BOOL OffscreenPaint() const { return m_offscreenPaint; }
    void SetOffscreenPaint(BOOL on) { m_offscreenPaint = on; }
    BOOL CellTipsOn() const { return m_cellTipsOn; }
    void SetCellTipsOn(BOOL on) { m_cellTipsOn = on; }
    BOOL RowSizingOn() const { return m_rowSizingOn; }
    void SetRowSizingOn(BOOL on) { m_rowSizingOn = on; }
    BOOL ColumnSizingOn() const { return m_columnSizingOn; }
    void SetColumnSizingOn(BOOL on) { m_columnSizingOn = on; }
    int CellMargin() const { return m_cellMargin; }
    void SetCellMargin(int margin) { m_cellMargin = margin; }
    int DefaultColumnWidth() const { return m_defaultColumnWidth; }
    void SetDefaultColumnWidth(int width) { m_defaultColumnWidth = width; }
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height) { m_defaultRowHeight = height; }
    int WheelScrollLines() const { return m_wheelScrollLines; }
    int ResizeCaptureRange() const { return m_resizeCaptureRange; }
    UINT AutoScrollInterval() const { return m_autoScrollInterval; }
    int SortColumn() const { return m_sortColumn; }
    BOOL SortAscending() const { return m_sortAscending; }
    CCellRef SelectionStartCell() const { return m_selectionStartCell; }
    CCellRef ClickDownCell() const { return m_clickDownCell; }
    int MaxVerticalScroll() const { return m_maxVerticalScroll; }
    int MaxHorizontalScroll() const { return m_maxHorizontalScroll; }
    const LOGFONT& GridFont() const { return m_logFont; }

    // Overridable hooks, in their fixed order.
    virtual CString CellText(int row, int col) const;
    virtual void EraseSelection();
    virtual COleDataSource* SelectionToClipData();
    virtual BOOL PasteClipData(CCellRef cell, COleDataObject* data);
    virtual void CmdCut();
    virtual void CmdCopy();
    virtual void CmdPaste();
    virtual void CmdSelectAll();
    virtual void PrintBegin(CDC* dc, CPrintInfo* info);
    virtual void PrintPage(CDC* dc, CPrintInfo* info);
    virtual void PrintEnd(CDC* dc, CPrintInfo* info);
    virtual void PrintHeaderRows(CDC* dc, CPrintInfo* info);
    virtual void PrintPageHeading(CDC* dc, CPrintInfo* info);
    virtual void PrintPageFooting(CDC* dc, CPrintInfo* info);
    virtual CImageList* MakeDragPicture(LPPOINT hotSpot);
    virtual void HeaderColumnClicked(CCellRef cell);
    virtual void HeaderRowClicked(CCellRef cell);
    virtual CSize CellExtent(int row, int col, CDC* dc);
    virtual void EditFinished(int row, int col, LPCTSTR text);
    virtual void BeginCellEdit(int row, int col, UINT firstChar);
    virtual CWnd* MakeCellEditor(const CRect& rect, DWORD style, UINT id, int row, int col, LPCTSTR text,
                                 UINT firstChar);
    virtual void PaintAll(CDC* dc);
    virtual BOOL PaintHeaderCell(CDC* dc, int row, int col, const CRect& rect, BOOL erase);
    virtual BOOL PaintCell(CDC* dc, int row, int col, const CRect& rect, BOOL erase);
    virtual std::unique_ptr<CGridCellData> MakeCell(int row, int col);
    virtual void DropCell(CGridCellData* cell, int row, int col);

protected:
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnDestroy() override;
    void OnSysColorChange() override;
    LRESULT OnSetFont(WPARAM font, LPARAM redraw) override;
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam) override;

    // Sends WM_NOTIFY with a cell to the owner, or the parent when there is no owner.
    void NotifyParent(UINT code, int row, int col);
    CGridCellData* Cell(int row, int col) const { return m_cells.At(row, col); }
    BOOL IsFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }
    void InvalidateIfPainting();

private:
    void RegisterWindowClass();
    void RemoveRowsFrom(int first);
    void RemoveColumnsFrom(int first);
    void ApplyFontDescription(const LOGFONT& font);

    grid::CellTable m_cells;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    grid::SelectionSet m_selection;
    grid::SelectionSet m_previousSelection;

    grid::FollowedColour m_textColour;
    grid::FollowedColour m_backColour;
    grid::FollowedColour m_shadeColour;
    grid::FollowedColour m_fixedTextColour;
    grid::FollowedColour m_fixedBackColour;
    COLORREF m_gridLineColour = RGB(192, 192, 192);

    int m_lineMode = GRIDLINES_BOTH;
    BOOL m_editingOn = TRUE;
    BOOL m_dragDropOn = FALSE;
    BOOL m_rowListMode = FALSE;
    BOOL m_oneRowSelect = FALSE;
    BOOL m_paintingOn = TRUE;
    BOOL m_selectingOn = TRUE;
    BOOL m_sortOnHeaderClick = TRUE;
    BOOL m_tabMovesFocus = TRUE;
    BOOL m_offscreenPaint = TRUE;
    BOOL m_cellTipsOn = TRUE;
    BOOL m_rowSizingOn = TRUE;
    BOOL m_columnSizingOn = TRUE;
    BOOL m_modified = FALSE;
    int m_cellMargin = 0;
    int m_defaultColumnWidth = 30;
    int m_defaultRowHeight = 10;
    int m_resizeCaptureRange = 3;
    UINT m_autoScrollInterval = 25;
    int m_wheelScrollLines = 3;
    int m_sortColumn = -1;
    BOOL m_sortAscending = TRUE;

    LOGFONT m_logFont;
    CFont m_font;
    CImageList* m_pictures = nullptr;

    CCellRef m_focusCell;
    CCellRef m_selectionStartCell;
    CCellRef m_clickDownCell;

    int m_maxVerticalScroll = 0;
    int m_maxHorizontalScroll = 0;
    // Set when this grid initialised OLE and must shut it down again.
    bool m_oleInitialised = false;
};
