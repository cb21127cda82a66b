#include "PrintLoop.h"

#include "../gdi/DC.h"
#include "../win/EventLog.h"
#include "Document.h"
#include "PrintInfo.h"
#include "View.h"

namespace platform {

namespace {

CString DocumentName(CView& view)
{
    if (CDocument* document = view.GetDocument())
        return document->GetTitle();
    CString title;
    view.GetWindowText(title);
    return title;
}

// The pages to print, as the first page and the one after the last (the step is 1 or -1);
// 0xFFFF as the end means "until the view stops".
struct PageRange {
    UINT first = 1;
    UINT end = 0xFFFF;
    int step = 1;
};

PageRange RangeOf(const CPrintInfo& info)
{
    const UINT minPage = info.GetMinPage(), maxPage = info.GetMaxPage();
    const UINT first = std::clamp(info.GetFromPage(), minPage, std::max(minPage, maxPage));
    const UINT last = std::clamp(info.GetToPage(), minPage, std::max(minPage, maxPage));
    PageRange range;
    range.first = first;
    range.step = last >= first ? 1 : -1;
    range.end = last == 0xFFFF ? 0xFFFF : UINT(int(last) + range.step);
    return range;
}

void PrintPages(CView& view, CDC& dc, CPrintInfo& info, PrintJob& job)
{
    Surface* page = info.m_pPD->PageSurface();
    const PageRange range = RangeOf(info);
    for (info.m_nCurPage = range.first; info.m_nCurPage != range.end; info.m_nCurPage += UINT(range.step)) {
        if (job.pages.size() == kMaxPagesPerJob) {
            EventLog::Instance().Add("print of \"" + std::string(job.documentName) + "\": stopped after " +
                                     std::to_string(kMaxPagesPerJob) + " pages");
            break;
        }
        view.OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        page->pixels.assign(page->pixels.size(), 0x00FFFFFF);
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&info.m_rectDraw);
        view.OnPrint(&dc, &info);
        job.pages.push_back(*page);
        job.pageNumbers.push_back(info.m_nCurPage);
    }
}

} // namespace

PrintJob PrintView(CView& view, PrintMode mode)
{
    PrintJob job;
    job.mode = mode;
    job.documentName = DocumentName(view);
    CPrintInfo info;
    info.m_bDirect = mode == PrintMode::Direct;
    info.m_bPreview = mode == PrintMode::Preview;
    // A view's preparation that did not set up the printer gets the standard one.
    if (!view.OnPreparePrinting(&info) || (!info.m_pPD->GetPrinterDC() && !view.DoPreparePrinting(&info))) {
        EventLog::Instance().Add("print of \"" + std::string(job.documentName) + "\": cancelled");
        return job;
    }
    CDC* dc = CDC::FromHandle(info.m_pPD->GetPrinterDC());
    job.prepared = TRUE;
    job.dpi = info.m_pPD->Resolution();
    view.OnBeginPrinting(dc, &info);
    PrintPages(view, *dc, info, job);
    view.OnEndPrinting(dc, &info);
    EventLog::Instance().Add(std::string(mode == PrintMode::Preview ? "print preview of \"" : "print of \"") +
                             std::string(job.documentName) + "\": " + std::to_string(job.pages.size()) + " page(s)");
    return job;
}

} // namespace platform
