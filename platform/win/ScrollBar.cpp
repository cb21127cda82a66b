#include "ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const
{
    if (!info)
        return FALSE;
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}
