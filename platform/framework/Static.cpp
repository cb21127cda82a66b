#include "Static.h"

#include "ControlState.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return platform::CreateControlWindow(*this, "Static", text, style, rect, parent, id);
}
