// System settings: SystemParametersInfo, system colour changes told to every window, and the
// desktop key of the settings store.
#include <cstring>

#include "../gdi/StockObjects.h"
#include "../gdi/SysColors.h"
#include "SystemMetrics.h"
#include "WindowManager.h"
#include "WindowTable.h"
#include "WinApi.h"

namespace platform {

void SendToAllWindows(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Every window hears it once, top-level windows first in each tree; windows that appear or
    // vanish on the way are taken as they are.
    for (HWND hwnd : WindowTable::Instance().AllWindows())
        if (IsWindow(hwnd))
            SendMessage(hwnd, message, wParam, lParam);
}

} // namespace platform

using platform::DesktopSettings;

static void FillNonClientMetrics(NONCLIENTMETRICS& metrics)
{
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    metrics.iSmCaptionWidth = GetSystemMetrics(SM_CYSMCAPTION);
    metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
    metrics.iMenuWidth = GetSystemMetrics(SM_CYMENU);
    metrics.iMenuHeight = GetSystemMetrics(SM_CYMENU);
    const LOGFONT message = platform::MessageFontDescription();
    metrics.lfMessageFont = message;
    metrics.lfStatusFont = message;
    metrics.lfMenuFont = message;
    metrics.lfCaptionFont = message;
    metrics.lfCaptionFont.lfWeight = FW_BOLD;
    metrics.lfSmCaptionFont = metrics.lfCaptionFont;
}

BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni)
{
    switch (action) {
    case SPI_GETWHEELSCROLLLINES:
        if (!data)
            return FALSE;
        *static_cast<UINT*>(data) = DesktopSettings::Instance().WheelScrollLines();
        return TRUE;
    case SPI_SETWHEELSCROLLLINES:
        DesktopSettings::Instance().SetWheelScrollLinesText(std::to_string(param));
        if (winIni & SPIF_SENDCHANGE)
            platform::SendToAllWindows(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
        return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* metrics = static_cast<NONCLIENTMETRICS*>(data);
        if (!metrics || (metrics->cbSize && metrics->cbSize != sizeof(NONCLIENTMETRICS)))
            return FALSE;
        *metrics = NONCLIENTMETRICS();
        FillNonClientMetrics(*metrics);
        return TRUE;
    }
    case SPI_GETWORKAREA:
        if (!data)
            return FALSE;
        *static_cast<RECT*>(data) = CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* colours)
{
    if (count <= 0 || !indices || !colours)
        return FALSE;
    for (int i = 0; i < count; ++i)
        platform::SetSysColorValue(indices[i], colours[i]);
    platform::SendToAllWindows(WM_SYSCOLORCHANGE, 0, 0);
    InvalidateRect(nullptr, nullptr, TRUE);
    for (HWND hwnd : platform::WindowTable::Instance().AllWindows())
        if (platform::WindowRecord* record = platform::FindWindowRecord(hwnd))
            record->frameNeeded = TRUE;
    return TRUE;
}

namespace {

const HKEY kDesktopKey = reinterpret_cast<HKEY>(uintptr_t(0x5000));

bool SameText(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

} // namespace

LONG RegOpenKeyEx(HKEY key, LPCTSTR subKey, DWORD, REGSAM, PHKEY result)
{
    if (!result)
        return ERROR_INVALID_HANDLE;
    *result = nullptr;
    if (key != HKEY_CURRENT_USER || !subKey || !SameText(subKey, "Control Panel\\Desktop"))
        return ERROR_FILE_NOT_FOUND;
    *result = kDesktopKey;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY key, LPCTSTR valueName, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    if (key != kDesktopKey)
        return ERROR_INVALID_HANDLE;
    const auto& values = DesktopSettings::Instance().values;
    auto it = values.find(valueName ? valueName : "");
    if (it == values.end())
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = REG_SZ;
    const DWORD needed = DWORD(it->second.size() + 1);
    if (!size)
        return data ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, it->second.c_str(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) { return key == kDesktopKey ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }
