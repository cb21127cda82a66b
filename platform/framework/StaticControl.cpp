#include "StaticControl.h"

#include "../gdi/SysColors.h"

namespace platform {

LRESULT StaticControl::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_ENABLE: Redraw(); return 0;
    case WM_SETFONT:
        if (lParam)
            Redraw();
        return 0;
    default: return Default(message, wParam, lParam);
    }
}

void StaticControl::Paint()
{
    ControlPaint paint(m_hwnd, Font());
    if (!paint.Ok())
        return;
    CDC& dc = paint.Dc();
    CRect client = ClientRect();
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const UINT kind = UINT(Style() & SS_TYPEMASK);
    switch (kind) {
    case SS_BLACKRECT: dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOWFRAME)); return;
    case SS_GRAYRECT: dc.FillSolidRect(&client, GetSysColor(COLOR_BTNSHADOW)); return;
    case SS_WHITERECT: dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW)); return;
    case SS_BLACKFRAME: dc.Draw3dRect(&client, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)); return;
    case SS_GRAYFRAME: dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)); return;
    case SS_WHITEFRAME: dc.Draw3dRect(&client, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)); return;
    case SS_ETCHEDHORZ: dc.DrawEdge(&client, EDGE_ETCHED, BF_TOP); return;
    case SS_ETCHEDVERT: dc.DrawEdge(&client, EDGE_ETCHED, BF_LEFT); return;
    case SS_ETCHEDFRAME: dc.DrawEdge(&client, EDGE_ETCHED, BF_RECT); return;
    default: break;
    }
    UINT format = DT_EXPANDTABS;
    if (kind == SS_CENTER)
        format |= DT_CENTER | DT_WORDBREAK;
    else if (kind == SS_RIGHT)
        format |= DT_RIGHT | DT_WORDBREAK;
    else if (kind == SS_LEFT)
        format |= DT_LEFT | DT_WORDBREAK;
    else
        format |= DT_LEFT | DT_SINGLELINE;
    if (Style() & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (Style() & SS_CENTERIMAGE)
        format = (format & ~UINT(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    dc.SetTextColor(GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const CString text(WindowText());
    dc.DrawText(text, &client, format);
}

} // namespace platform
