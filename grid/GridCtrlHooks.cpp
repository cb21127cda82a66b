// Defaults of the hooks whose behaviour belongs to the grid's painting, input, clipboard,
// printing and editing. Until those parts are in place each keeps its slot and does nothing.
#include "GridCtrl.h"

void CGridCtrl::EraseSelection() {}
COleDataSource* CGridCtrl::SelectionToClipData() { return nullptr; }
BOOL CGridCtrl::PasteClipData(CCellRef, COleDataObject*) { return FALSE; }
void CGridCtrl::CmdCut() {}
void CGridCtrl::CmdCopy() {}
void CGridCtrl::CmdPaste() {}
void CGridCtrl::CmdSelectAll() { SelectEverything(); }
void CGridCtrl::PrintBegin(CDC*, CPrintInfo*) {}
void CGridCtrl::PrintPage(CDC*, CPrintInfo*) {}
void CGridCtrl::PrintEnd(CDC*, CPrintInfo*) {}
void CGridCtrl::PrintHeaderRows(CDC*, CPrintInfo*) {}
void CGridCtrl::PrintPageHeading(CDC*, CPrintInfo*) {}
void CGridCtrl::PrintPageFooting(CDC*, CPrintInfo*) {}
CImageList* CGridCtrl::MakeDragPicture(LPPOINT) { return nullptr; }
void CGridCtrl::HeaderColumnClicked(CCellRef) {}
void CGridCtrl::HeaderRowClicked(CCellRef) {}

// An edit that changed the text marks the cell modified; the caller repaints.
void CGridCtrl::EditFinished(int row, int col, LPCTSTR text)
{
    if (CellText(row, col) == text)
        return;
    MarkModified(TRUE, row, col);
    SetCellText(row, col, text);
}

void CGridCtrl::BeginCellEdit(int, int, UINT) {}
CWnd* CGridCtrl::MakeCellEditor(const CRect&, DWORD, UINT, int, int, LPCTSTR, UINT) { return nullptr; }
void CGridCtrl::PaintAll(CDC*) {}
BOOL CGridCtrl::PaintHeaderCell(CDC*, int, int, const CRect&, BOOL) { return FALSE; }
BOOL CGridCtrl::PaintCell(CDC*, int, int, const CRect&, BOOL) { return FALSE; }
