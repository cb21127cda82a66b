#include "DC.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "DCState.h"
#include "FontEngine.h"
#include "StockObjects.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

std::unordered_map<HDC, CDC*>& contexts()
{
    static auto* table = new std::unordered_map<HDC, CDC*>;
    return *table;
}

// Like object handles, context handles are never reused.
HDC nextHandle()
{
    static uintptr_t next = 0x10000;
    next += 4;
    return reinterpret_cast<HDC>(next);
}

const CRect unlimited(INT_MIN / 4, INT_MIN / 4, INT_MAX / 4, INT_MAX / 4);
constexpr int screenDpi = 96;
const CSize screenSize(1024, 768);

CGdiObject* wrapperOf(const std::shared_ptr<platform::GdiObjectData>& data)
{
    return data ? data->Wrapper() : nullptr;
}

} // namespace

CDC::CDC() : m_state(std::make_unique<platform::DcState>()) {}

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hdc)
{
    auto hit = contexts().find(hdc);
    return hit == contexts().end() ? nullptr : hit->second;
}

void CDC::Reset()
{
    if (m_hDC)
        contexts().erase(m_hDC);
    *m_state = platform::DcState();
    m_hDC = m_hAttribDC = nullptr;
    m_bPrinting = FALSE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    Reset();
    return TRUE;
}

void CDC::DetachSurface() { DeleteDC(); }

void CDC::Open(platform::DcKind kind)
{
    Reset();
    platform::DcState& s = *m_state;
    s.kind = kind;
    s.now.pen = platform::GdiObjectData::SharedFromHandle(GetStockObject(BLACK_PEN));
    s.now.brush = platform::GdiObjectData::SharedFromHandle(GetStockObject(WHITE_BRUSH));
    s.now.font = platform::GdiObjectData::SharedFromHandle(GetStockObject(SYSTEM_FONT));
    m_hDC = m_hAttribDC = nextHandle();
    contexts()[m_hDC] = this;
}

BOOL CDC::AttachSurface(platform::Surface* surface, CPoint deviceOrigin, const RECT* clip)
{
    if (!surface)
        return FALSE;
    Open(platform::DcKind::Window);
    m_state->surface = surface;
    m_state->origin = deviceOrigin;
    m_state->limit = clip ? CRect(*clip) : CRect(0, 0, surface->width, surface->height);
    return TRUE;
}

BOOL CDC::AttachPrinterSurface(platform::Surface* page, int dpi)
{
    if (dpi <= 0 || !AttachSurface(page))
        return FALSE;
    m_state->kind = platform::DcKind::Printer;
    m_state->dpi = dpi;
    m_bPrinting = TRUE;
    return TRUE;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    auto bitmap = std::make_shared<platform::BitmapData>();
    bitmap->surface.Resize(1, 1, 0);
    Open(platform::DcKind::Memory);
    m_state->limit = unlimited;
    m_state->defaultBitmap = bitmap;
    m_state->now.bitmap = std::move(bitmap);
    return TRUE;
}

platform::Surface* CDC::GetSurface() const { return m_state->Target(); }

int CDC::GetDeviceCaps(int index) const
{
    const platform::DcState& s = *m_state;
    const bool printer = s.kind == platform::DcKind::Printer;
    const CSize size = printer && s.surface ? CSize(s.surface->width, s.surface->height) : screenSize;
    const int dpi = printer ? s.dpi : screenDpi;
    switch (index) {
    case TECHNOLOGY: return printer ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZRES:
    case PHYSICALWIDTH: return size.cx;
    case VERTRES:
    case PHYSICALHEIGHT: return size.cy;
    case HORZSIZE: return platform::MulDivRound(size.cx, 254, dpi * 10);
    case VERTSIZE: return platform::MulDivRound(size.cy, 254, dpi * 10);
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    default: return 0;
    }
}

// Objects ------------------------------------------------------------------------------------

CGdiObject* CDC::Select(HGDIOBJ object)
{
    std::shared_ptr<platform::GdiObjectData> data = platform::GdiObjectData::SharedFromHandle(object);
    if (!data || !m_hDC)
        return nullptr;
    platform::DcAttributes& now = m_state->now;
    std::shared_ptr<platform::GdiObjectData>* slot = nullptr;
    switch (data->Kind()) {
    case platform::GdiKind::Pen: slot = &now.pen; break;
    case platform::GdiKind::Brush: slot = &now.brush; break;
    case platform::GdiKind::Font: slot = &now.font; break;
    case platform::GdiKind::Bitmap:
        // Only a memory context draws into a bitmap.
        if (m_state->kind != platform::DcKind::Memory)
            return nullptr;
        slot = &now.bitmap;
        break;
    case platform::GdiKind::Region: return nullptr;
    }
    std::shared_ptr<platform::GdiObjectData> previous = std::exchange(*slot, std::move(data));
    if (previous)
        m_state->deselected[int(previous->Kind())] = previous;
    return wrapperOf(previous);
}

CPen* CDC::SelectObject(CPen* pen) { return pen ? static_cast<CPen*>(Select(pen->m_hObject)) : nullptr; }
CBrush* CDC::SelectObject(CBrush* brush) { return brush ? static_cast<CBrush*>(Select(brush->m_hObject)) : nullptr; }
CFont* CDC::SelectObject(CFont* font) { return font ? static_cast<CFont*>(Select(font->m_hObject)) : nullptr; }
CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap ? static_cast<CBitmap*>(Select(bitmap->m_hObject)) : nullptr;
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (!object)
        return nullptr;
    if (auto* region = dynamic_cast<CRgn*>(object))
        return SelectClipRgn(region) == RGN_ERROR ? nullptr : object;
    return Select(object->m_hObject);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    CGdiObject* previous = Select(object);
    return previous ? previous->m_hObject : nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) { return Select(GetStockObject(index)); }

CPen* CDC::GetCurrentPen() const { return static_cast<CPen*>(wrapperOf(m_state->now.pen)); }
CBrush* CDC::GetCurrentBrush() const { return static_cast<CBrush*>(wrapperOf(m_state->now.brush)); }
CFont* CDC::GetCurrentFont() const { return static_cast<CFont*>(wrapperOf(m_state->now.font)); }
CBitmap* CDC::GetCurrentBitmap() const { return static_cast<CBitmap*>(wrapperOf(m_state->now.bitmap)); }

platform::RealizedFont& CDC::CurrentFont() const
{
    const platform::DcState& s = *m_state;
    platform::GdiObjectData* font = s.now.font.get();
    if (!font)
        font = platform::GdiObjectData::FromHandle(GetStockObject(SYSTEM_FONT));
    auto& data = static_cast<platform::FontData&>(*font);
    const LOGFONT& lf = data.logFont;
    // Device sizes keep the sign rule of the logical ones, and a size never scales down to nothing.
    auto device = [](LONG logical, LONG scaled) {
        return logical == 0 ? 0 : (logical < 0 ? -1 : 1) * std::max<LONG>(1, scaled);
    };
    return data.Realize(device(lf.lfHeight, s.DeviceHeight(std::abs(lf.lfHeight))),
                        device(lf.lfWidth, s.DeviceWidth(std::abs(lf.lfWidth))));
}

// State --------------------------------------------------------------------------------------

int CDC::SaveDC()
{
    if (!m_hDC)
        return 0;
    m_state->saved.push_back(m_state->now);
    return int(m_state->saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    std::vector<platform::DcAttributes>& saved = m_state->saved;
    const int depth = int(saved.size());
    const int index = savedDC < 0 ? depth + savedDC + 1 : savedDC;
    if (!m_hDC || index < 1 || index > depth)
        return FALSE;
    m_state->now = std::move(saved[std::size_t(index - 1)]);
    saved.resize(std::size_t(index - 1));
    return TRUE;
}

COLORREF CDC::SetTextColor(COLORREF colour) { return std::exchange(m_state->now.textColor, colour & 0x00FFFFFFu); }
COLORREF CDC::GetTextColor() const { return m_state->now.textColor; }
COLORREF CDC::SetBkColor(COLORREF colour) { return std::exchange(m_state->now.bkColor, colour & 0x00FFFFFFu); }
COLORREF CDC::GetBkColor() const { return m_state->now.bkColor; }

int CDC::SetBkMode(int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    return std::exchange(m_state->now.bkMode, mode);
}

int CDC::GetBkMode() const { return m_state->now.bkMode; }
UINT CDC::SetTextAlign(UINT flags) { return std::exchange(m_state->now.textAlign, flags); }
UINT CDC::GetTextAlign() const { return m_state->now.textAlign; }

// Mapping ------------------------------------------------------------------------------------

int CDC::SetMapMode(int mode)
{
    if (mode != MM_TEXT && mode != MM_ANISOTROPIC)
        return 0;
    platform::DcAttributes& now = m_state->now;
    const int previous = now.mapMode;
    // Coming from the text mode the scale starts at one to one, as it is in that mode.
    if (mode == MM_ANISOTROPIC && previous == MM_TEXT)
        now.windowExt = now.viewportExt = CSize(1, 1);
    now.mapMode = mode;
    return previous;
}

int CDC::GetMapMode() const { return m_state->now.mapMode; }

CPoint CDC::SetWindowOrg(int x, int y) { return std::exchange(m_state->now.windowOrg, CPoint(x, y)); }

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    const CPoint previous = m_state->now.windowOrg;
    m_state->now.windowOrg.Offset(dx, dy);
    return previous;
}

CPoint CDC::GetWindowOrg() const { return m_state->now.windowOrg; }

CSize CDC::SetWindowExt(int cx, int cy)
{
    platform::DcAttributes& now = m_state->now;
    // Extents mean something only in the anisotropic mode and can never be zero.
    if (now.mapMode != MM_ANISOTROPIC || cx == 0 || cy == 0)
        return now.windowExt;
    return std::exchange(now.windowExt, CSize(cx, cy));
}

CSize CDC::GetWindowExt() const { return m_state->now.windowExt; }

CPoint CDC::SetViewportOrg(int x, int y) { return std::exchange(m_state->now.viewportOrg, CPoint(x, y)); }

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    const CPoint previous = m_state->now.viewportOrg;
    m_state->now.viewportOrg.Offset(dx, dy);
    return previous;
}

CPoint CDC::GetViewportOrg() const { return m_state->now.viewportOrg; }

CSize CDC::SetViewportExt(int cx, int cy)
{
    platform::DcAttributes& now = m_state->now;
    if (now.mapMode != MM_ANISOTROPIC || cx == 0 || cy == 0)
        return now.viewportExt;
    return std::exchange(now.viewportExt, CSize(cx, cy));
}

CSize CDC::GetViewportExt() const { return m_state->now.viewportExt; }

void CDC::LPtoDP(LPPOINT points, int count) const
{
    for (int i = 0; points && i < count; ++i)
        points[i] = m_state->Device(points[i]);
}

void CDC::LPtoDP(LPRECT rect) const
{
    if (rect)
        LPtoDP(reinterpret_cast<LPPOINT>(rect), 2);
}

void CDC::LPtoDP(SIZE* size) const
{
    if (size)
        *size = SIZE{m_state->DeviceWidth(size->cx), m_state->DeviceHeight(size->cy)};
}

void CDC::DPtoLP(LPPOINT points, int count) const
{
    for (int i = 0; points && i < count; ++i)
        points[i] = CPoint(m_state->LogicalX(points[i].x), m_state->LogicalY(points[i].y));
}

void CDC::DPtoLP(LPRECT rect) const
{
    if (rect)
        DPtoLP(reinterpret_cast<LPPOINT>(rect), 2);
}

void CDC::DPtoLP(SIZE* size) const
{
    if (size)
        *size = SIZE{m_state->LogicalWidth(size->cx), m_state->LogicalHeight(size->cy)};
}

// Clipping -----------------------------------------------------------------------------------

int CDC::GetClipBox(LPRECT rect) const
{
    if (!rect || !m_hDC)
        return RGN_ERROR;
    CRect clip = m_state->PixelClip();
    if (clip.IsRectEmpty()) {
        *rect = CRect();
        return NULLREGION;
    }
    clip.OffsetRect(-m_state->origin.x, -m_state->origin.y);
    CRect logical(m_state->LogicalX(clip.left), m_state->LogicalY(clip.top), m_state->LogicalX(clip.right),
                  m_state->LogicalY(clip.bottom));
    logical.NormalizeRect();
    *rect = logical;
    return SIMPLEREGION;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    if (!m_hDC)
        return RGN_ERROR;
    CRect device(m_state->Device(CPoint(left, top)), m_state->Device(CPoint(right, bottom)));
    device.NormalizeRect();
    platform::DcAttributes& now = m_state->now;
    CRect clip;
    if (now.clip)
        clip.IntersectRect(*now.clip, device);
    else
        clip = device;
    now.clip = clip.IsRectEmpty() ? CRect() : clip;
    return now.clip->IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::SelectClipRgn(CRgn* region) { return SelectClipRgn(region, RGN_COPY); }

int CDC::SelectClipRgn(CRgn* region, int mode)
{
    if (!m_hDC)
        return RGN_ERROR;
    platform::DcAttributes& now = m_state->now;
    CRect box;
    if (!region) {
        if (mode != RGN_COPY)
            return RGN_ERROR;
        now.clip.reset();
    } else if (region->GetRgnBox(&box) == RGN_ERROR) {
        return RGN_ERROR;
    } else if (mode == RGN_COPY || (mode == RGN_AND && !now.clip)) {
        now.clip = box;
    } else if (mode == RGN_AND) {
        CRect clip;
        clip.IntersectRect(*now.clip, box);
        now.clip = clip;
    } else {
        // Unions and differences of rectangles are not rectangles; those modes are not offered.
        return RGN_ERROR;
    }
    return m_state->PixelClip().IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

BOOL CDC::PtVisible(int x, int y) const { return m_hDC && m_state->PixelClip().PtInRect(m_state->Pixel(CPoint(x, y))); }

BOOL CDC::RectVisible(LPCRECT rect) const
{
    CRect common;
    return rect && m_hDC && common.IntersectRect(m_state->PixelClip(), m_state->PixelRect(*rect));
}
