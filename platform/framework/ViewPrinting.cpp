// CView: the print steps and the print commands.
#include "../gdi/DC.h"
#include "FrameworkIds.h"
#include "PrintInfo.h"
#include "PrintLoop.h"
#include "PrintSpooler.h"
#include "View.h"

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    if (!pInfo || !pInfo->m_pPD)
        return FALSE;
    CPrintDialog& dialog = *pInfo->m_pPD;
    dialog.m_pd.nFromPage = WORD(pInfo->GetMinPage());
    dialog.m_pd.nToPage = WORD(pInfo->GetMaxPage());
    if (dialog.GetPrinterDC())
        return TRUE;
    // The direct and preview commands take the default printer; the plain command would ask,
    // and the answer of a headless desktop is the default printer as well.
    if (pInfo->m_bDirect || pInfo->m_bPreview)
        return dialog.CreatePrinterDC() != nullptr;
    return dialog.DoModal() == IDOK;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without a known page count only the first page is printed.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnFilePrint(UINT nID)
{
    platform::PrintSpooler::Instance().Add(
        platform::PrintView(*this, nID == ID_FILE_PRINT_DIRECT ? platform::PrintMode::Direct : platform::PrintMode::Print));
}

void CView::OnFilePrintPreview()
{
    platform::PrintSpooler::Instance().Add(platform::PrintView(*this, platform::PrintMode::Preview));
}
