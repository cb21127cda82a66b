#include "GridCtrl.h"

#include <cstdlib>
#include <stdexcept>

#include "OleSession.h"
#include "ClientContext.h"
#include "platform/gdi/StockObjects.h"

namespace grid {

// Construction cannot go on without the window class.
struct ResourceFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace grid

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

// Rows per wheel notch from the desktop settings: the text read as an unsigned number, so that
// "-1" comes out as -1 (a page a notch); 3 when it cannot be read.
int readWheelScrollLines()
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 3;
    char text[128] = {};
    DWORD size = sizeof(text);
    DWORD type = 0;
    const LONG result = RegQueryValueEx(key, "WheelScrollLines", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return 3;
    text[sizeof(text) - 1] = '\0';
    return int(UINT(std::strtoul(text, nullptr, 10)));
}

// The message font of the non-client metrics.
LOGFONT messageFont()
{
    NONCLIENTMETRICS metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return metrics.lfMessageFont;
    return platform::MessageFontDescription();
}

} // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols)
{
    RegisterWindowClass();
    if (!grid::OleReady()) {
        if (grid::OleStart())
            m_oleInitialised = true;
        else
            grid::ReportOleFailure();
    }
    m_textColour = grid::FollowedColour::Of(COLOR_WINDOWTEXT);
    m_backColour = grid::FollowedColour::Of(COLOR_WINDOW);
    m_shadeColour = grid::FollowedColour::Of(COLOR_BTNSHADOW);
    m_fixedTextColour = grid::FollowedColour::Of(COLOR_WINDOWTEXT);
    m_fixedBackColour = grid::FollowedColour::Of(COLOR_BTNFACE);
    m_wheelScrollLines = readWheelScrollLines();
    m_logFont = messageFont();
    m_font.CreateFontIndirect(&m_logFont);
    SetRows(rows);
    SetColumns(cols);
    SetHeaderRows(fixedRows);
    SetHeaderColumns(fixedCols);
}

CGridCtrl::~CGridCtrl()
{
    RemoveEverything();
    if (GetSafeHwnd())
        DestroyWindow();
    m_font.DeleteObject();
    if (m_oleInitialised)
        grid::OleStop();
}

void CGridCtrl::RegisterWindowClass()
{
    WNDCLASS info;
    if (::GetClassInfo(nullptr, kGridWindowClass, &info))
        return;
    info = WNDCLASS();
    info.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    info.lpfnWndProc = ::DefWindowProc;
    info.hCursor = ::LoadStandardCursor(IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(uintptr_t(COLOR_BTNFACE + 1));
    info.lpszClassName = kGridWindowClass;
    if (!AfxRegisterClass(&info))
        throw grid::ResourceFailure("the grid's window class cannot be registered");
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style)
{
    if (!CWnd::Create(kGridWindowClass, nullptr, style, rect, parent, id))
        return FALSE;
    // Creation sizes every row and column anew from the font; sizes set before are lost.
    for (int row = 0; row < RowTotal(); ++row)
        m_cells.SetHeight(row, UINT(m_defaultRowHeight));
    for (int col = 0; col < ColumnTotal(); ++col)
        m_cells.SetWidth(col, UINT(m_defaultColumnWidth));
    UpdateScrollRanges();
    return TRUE;
}

int CGridCtrl::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CFont font;
    font.CreateFontIndirect(&m_logFont);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), 0);
    UpdateScrollRanges();
    return 0;
}

void CGridCtrl::OnDestroy()
{
    RemoveEverything();
    CWnd::OnDestroy();
}

void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    for (grid::FollowedColour* colour :
         {&m_textColour, &m_backColour, &m_shadeColour, &m_fixedTextColour, &m_fixedBackColour})
        colour->Refresh();
}

LRESULT CGridCtrl::OnSetFont(WPARAM font, LPARAM)
{
    Default();
    CFont* given = CFont::FromHandle(reinterpret_cast<HFONT>(font));
    LOGFONT description;
    if (!given || !given->GetLogFont(&description))
        return 0;
    ApplyFontDescription(description);
    if (GetSafeHwnd())
        Invalidate();
    return 0;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_font.GetSafeHandle()); }

// The grid font becomes every cell's font; the margin and the default sizes follow from it, while
// rows and columns that exist keep their sizes.
void CGridCtrl::ApplyFontDescription(const LOGFONT& font)
{
    m_logFont = font;
    for (int row = 0; row < RowTotal(); ++row)
        for (int col = 0; col < ColumnTotal(); ++col)
            if (CGridCellData* cell = Cell(row, col))
                cell->font = font;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
    grid::ClientContext dc(this);
    if (!dc)
        return;
    grid::FontSelection selection(dc.get(), &m_font);
    TEXTMETRIC metrics;
    dc.get()->GetTextMetrics(&metrics);
    m_cellMargin = dc.get()->GetTextExtent(" ", 1).cx;
    m_defaultRowHeight = metrics.tmHeight + metrics.tmExternalLeading + 2 * m_cellMargin;
    m_defaultColumnWidth = 2 * (6 * metrics.tmAveCharWidth + m_cellMargin);
}

void CGridCtrl::NotifyParent(UINT code, int row, int col)
{
    if (!GetSafeHwnd())
        return;
    CWnd* target = GetOwner();
    if (!target || !target->GetSafeHwnd())
        return;
    GridNotify record;
    record.hdr.hwndFrom = GetSafeHwnd();
    record.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    record.hdr.code = code;
    record.row = row;
    record.col = col;
    target->SendMessage(WM_NOTIFY, WPARAM(record.hdr.idFrom), reinterpret_cast<LPARAM>(&record));
}

void CGridCtrl::InvalidateIfPainting()
{
    if (GetSafeHwnd() && m_paintingOn)
        Invalidate();
}
