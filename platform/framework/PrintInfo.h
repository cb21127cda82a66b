// CPrintInfo: the state of one print job as the view's print steps see it: the page being
// printed, the page range, the drawing rectangle of the page and whether this is a preview.
#pragma once

#include "../core/String.h"
#include "PrintDialog.h"

class PLATFORM_API CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = WORD(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = WORD(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    // 0xFFFF while the number of pages is unknown.
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }
    UINT GetOffsetPage() const { return m_nOffsetPage; }

    CPrintDialog* m_pPD;
    BOOL m_bDocObject = FALSE;
    BOOL m_bDirect = FALSE;
    BOOL m_bPreview = FALSE;
    // Set FALSE in OnPrepareDC to stop after the page before this one.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    UINT m_nOffsetPage = 0;
    CString m_strPageDesc = "Page %u\nPages %u-%u\n";
    LPVOID m_lpUserData = nullptr;
    // The page's printable area in logical units, set before each OnPrint.
    CRect m_rectDraw;
};
