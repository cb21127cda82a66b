#include "WarnView.h"

#include "AllyledgerApp.h"
#include "WarnDoc.h"
#include "platform/core/Convert.h"
#include "platform/framework/FrameWnd.h"
#include "platform/win/ClientDC.h"
#include "platform/win/WinApi.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWarnView, CScrollView)

namespace {

constexpr COLORREF kExpiresNow = 0x000070;    // dark red
constexpr COLORREF kExpiresSoon = 0x606060;   // grey
constexpr COLORREF kExpiresLater = 0x007020;  // dark green
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr const char* kPactLineMark = "(after ";

// A pact line starts at the left edge and gets a pixel of room above it; condition lines
// start with a blank and sit right under the line before.
bool startsBlock(const CString& line) { return !line.IsEmpty() && line[0] != ' '; }

} // namespace

CWarnDoc* CWarnView::GetDocument() const { return static_cast<CWarnDoc*>(m_pDocument); }

CWarnView::LineColours CWarnView::ColoursOf(const CString& line, int threshold)
{
    const int at = line.Find(kPactLineMark);
    if (at < 0)
        return {kWhite, kBlack};
    const int left = platform::AtoI(line.Mid(at + 7));
    if (left == 0)
        return {kExpiresNow, kWhite};
    return {left <= threshold ? kExpiresSoon : kExpiresLater, kWhite};
}

void CWarnView::OnUpdate(CView*, LPARAM hint, CObject*)
{
    CWarnDoc* doc = GetDocument();
    if (hint == HintVisibility) {
        CFrameWnd* frame = GetParentFrame();
        if (frame)
            frame->ShowWindow(doc->m_owner == CAllyledgerApp::Instance().CurrentOwner ? SW_SHOW : SW_HIDE);
        return;
    }
    doc->SetTitle(doc->m_title);
    Layout();
}

void CWarnView::Layout()
{
    CClientDC dc(this);
    int width = 0, height = 0;
    for (const CString& line : GetDocument()->m_lines) {
        const CSize extent = dc.GetTextExtent(line);
        width = std::max<int>(width, extent.cx);
        height += extent.cy + 2 + (startsBlock(line) ? 1 : 0);
    }
    m_bandWidth = width + 2;
    SetScrollSizes(MM_TEXT, CSize(m_bandWidth, height));
    Invalidate();
}

void CWarnView::OnDraw(CDC* dc)
{
    const int threshold = CAllyledgerApp::Instance().Settings.ExpThr;
    int y = 0;
    for (const CString& line : GetDocument()->m_lines) {
        if (startsBlock(line))
            ++y;
        const int h = dc->GetTextExtent(line).cy;
        const LineColours colours = ColoursOf(line, threshold);
        dc->FillSolidRect(0, y, m_bandWidth, h + 2, colours.band);
        dc->SetTextColor(colours.text);
        dc->SetBkColor(colours.band);
        dc->TextOut(1, y + 1, line);
        y += h + 2;
    }
    dc->SetBkColor(kWhite);
}

void CWarnView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    CFrameWnd* frame = GetParentFrame();
    allyledger::Settings& settings = CAllyledgerApp::Instance().Settings;
    if (frame) {
        WINDOWPLACEMENT placement;
        ::GetWindowPlacement(frame->GetSafeHwnd(), &placement);
        if (activate) {
            placement.rcNormalPosition = settings.WarnRect;
            ::SetWindowPlacement(frame->GetSafeHwnd(), &placement);
        } else if (!frame->IsIconic() && !frame->IsZoomed()) {
            settings.WarnRect = placement.rcNormalPosition;
        }
    }
    CScrollView::OnActivateView(activate, activateView, deactiveView);
}

void CWarnView::OnChar(UINT nChar, UINT repeatCount, UINT flags)
{
    if (nChar == 27) {
        if (CFrameWnd* frame = GetParentFrame())
            frame->PostMessage(WM_CLOSE);
    }
    CScrollView::OnChar(nChar, repeatCount, flags);
}
