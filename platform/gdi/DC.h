// CDC: a device context. It draws into a pixel surface: a window's (attached by the window layer),
// a memory bitmap's (CreateCompatibleDC) or a printed page's (AttachPrinterSurface). Every call
// goes through the context's mapping from logical to device units and is clipped in one place: the
// clip given when the surface was attached, the clip region and the surface's edges.
//
// The state that SaveDC keeps lives in platform::DcState (DCState.h); the calls are split by
// concern over DC.cpp (surfaces, objects, state, mapping, clipping), DCDraw.cpp (lines, fills,
// edges, blits) and DCText.cpp (metrics, text output, DrawText).
#pragma once

#include <functional>
#include <memory>

#include "../core/Object.h"
#include "../core/String.h"
#include "Bitmap.h"
#include "Brush.h"
#include "Font.h"
#include "GdiTypes.h"
#include "Pen.h"
#include "Rgn.h"
#include "Surface.h"

namespace platform {
enum class DcKind;
struct DcState;
class RealizedFont;
} // namespace platform

class PLATFORM_API CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC();
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(HDC hdc);
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Surfaces. Device point (0,0) lands on surface pixel deviceOrigin; drawing is clipped to
    // `clip` (surface pixels; the whole surface when null) and to the surface.
    BOOL AttachSurface(platform::Surface* surface, CPoint deviceOrigin = CPoint(0, 0), const RECT* clip = nullptr);
    // A printed page: the surface is the printable area, `dpi` its resolution; IsPrinting is TRUE.
    BOOL AttachPrinterSurface(platform::Surface* page, int dpi);
    void DetachSurface();
    // A memory context drawing into the bitmap selected into it (1 x 1 pixel until one is).
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    platform::Surface* GetSurface() const;
    BOOL IsPrinting() const { return m_bPrinting; }
    int GetDeviceCaps(int index) const;

    // Printing on a printer context: each page starts white and, when ended, goes to the page
    // sink (to be written out, for example). The calls fail with SP_ERROR on other contexts or
    // out of order.
    using PageSink = std::function<void(const platform::Surface& page)>;
    void SetPageSink(PageSink sink);
    int StartDoc(LPCTSTR documentName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();

    // Objects. The previous object is returned (a temporary wrapper when its own is gone).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    // State. SaveDC returns the new depth (0 on failure); RestoreDC takes a depth or -1 for the last.
    int SaveDC();
    BOOL RestoreDC(int savedDC);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CSize GetWindowExt() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CSize GetViewportExt() const;
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void LPtoDP(SIZE* size) const;
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(SIZE* size) const;

    // Clipping, by rectangles. Results are region kinds (NULLREGION, SIMPLEREGION, RGN_ERROR).
    int GetClipBox(LPRECT rect) const;
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);
    // The region is in device units; none removes the clip region.
    int SelectClipRgn(CRgn* region);
    int SelectClipRgn(CRgn* region, int mode);
    BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
    BOOL RectVisible(LPCRECT rect) const;

    // Lines and shapes, with the selected pen and brush.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);

    // Fills and frames.
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect);
    // Sets the background colour to `colour` as a side effect.
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    void DrawFocusRect(LPCRECT rect);

    // Pixels and blocks of pixels.
    COLORREF SetPixel(int x, int y, COLORREF colour);
    COLORREF SetPixel(POINT point, COLORREF colour) { return SetPixel(point.x, point.y, colour); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                    int sourceHeight, DWORD rop);

    // Text, in the selected font, text colour and background mode. Sizes are logical units.
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRIC metrics) const { return GetTextMetrics(metrics); }
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(LPCTSTR text, int count) const { return GetTextExtent(text, count); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    int GetTextFace(int count, LPTSTR faceName) const;
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* widths);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const int* widths)
    {
        return ExtTextOut(x, y, options, rect, text, UINT(text.GetLength()), widths);
    }
    // Returns the height of the text; with DT_CALCRECT draws nothing and sets the rectangle's
    // right and bottom edges to bound the text.
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format)
    {
        return DrawText(text, text.GetLength(), rect, format);
    }

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    // The font selected now, made for the context's current scale.
    platform::RealizedFont& CurrentFont() const;

private:
    CGdiObject* Select(HGDIOBJ object);
    void Reset();
    void Open(platform::DcKind kind);

    std::unique_ptr<platform::DcState> m_state;
};
