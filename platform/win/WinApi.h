// The window system's functions, as programs written against it call them.
//
// Sections: window classes; windows; messages and the queue; painting and scrolling of pixels;
// focus, capture, cursor and keyboard; timers and time; scroll bars; system settings;
// global memory and the clipboard.
#pragma once

#include "WinConstants.h"
#include "WindowClass.h"

// Window classes.
PLATFORM_API ATOM RegisterClass(const WNDCLASS* info);
PLATFORM_API BOOL UnregisterClass(LPCTSTR className, HINSTANCE instance);
PLATFORM_API BOOL GetClassInfo(HINSTANCE instance, LPCTSTR className, WNDCLASS* info);
PLATFORM_API int GetClassName(HWND hwnd, LPTSTR buffer, int bufferSize);
// TRUE also when a class of that name is registered already.
PLATFORM_API BOOL AfxRegisterClass(WNDCLASS* info);
PLATFORM_API LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                         HICON icon = nullptr);
// The procedure of the classes whose windows are handled by their CWnd objects.
PLATFORM_API LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Windows.
PLATFORM_API HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                                 int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                                 LPVOID param);
PLATFORM_API BOOL DestroyWindow(HWND hwnd);
PLATFORM_API BOOL IsWindow(HWND hwnd);
PLATFORM_API BOOL IsChild(HWND parent, HWND hwnd);
// The parent of a child window, the owner of a top-level one.
PLATFORM_API HWND GetParent(HWND hwnd);
PLATFORM_API HWND SetParent(HWND hwnd, HWND newParent);
PLATFORM_API HWND GetWindow(HWND hwnd, UINT relation);
PLATFORM_API HWND GetTopWindow(HWND hwnd);
inline HWND GetNextWindow(HWND hwnd, UINT relation) { return GetWindow(hwnd, relation); }
PLATFORM_API HWND GetDesktopWindow();
PLATFORM_API LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
PLATFORM_API LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
#define GetWindowLong(h, i) ((LONG)GetWindowLongPtr(h, i))
#define SetWindowLong(h, i, v) ((LONG)SetWindowLongPtr(h, i, (LONG_PTR)(v)))
PLATFORM_API HWND GetDlgItem(HWND parent, int id);
PLATFORM_API int GetDlgCtrlID(HWND hwnd);
PLATFORM_API BOOL SetWindowText(HWND hwnd, LPCTSTR text);
PLATFORM_API int GetWindowText(HWND hwnd, LPTSTR buffer, int bufferSize);
PLATFORM_API int GetWindowTextLength(HWND hwnd);
PLATFORM_API BOOL ShowWindow(HWND hwnd, int command);
PLATFORM_API BOOL IsWindowVisible(HWND hwnd);
PLATFORM_API BOOL EnableWindow(HWND hwnd, BOOL enable);
PLATFORM_API BOOL IsWindowEnabled(HWND hwnd);
PLATFORM_API BOOL IsIconic(HWND hwnd);
PLATFORM_API BOOL IsZoomed(HWND hwnd);
PLATFORM_API BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
PLATFORM_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
PLATFORM_API BOOL BringWindowToTop(HWND hwnd);
// The show state (SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED) and the normal rectangle;
// setting them moves the window's normal rectangle (where a minimised or maximised window will
// return) and then applies the show command.
PLATFORM_API BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
PLATFORM_API BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
PLATFORM_API BOOL GetWindowRect(HWND hwnd, LPRECT rect);
PLATFORM_API BOOL GetClientRect(HWND hwnd, LPRECT rect);
PLATFORM_API BOOL ClientToScreen(HWND hwnd, LPPOINT point);
PLATFORM_API BOOL ScreenToClient(HWND hwnd, LPPOINT point);
PLATFORM_API int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
PLATFORM_API HWND WindowFromPoint(POINT screenPoint);
PLATFORM_API HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
PLATFORM_API HWND SetActiveWindow(HWND hwnd);
PLATFORM_API HWND GetActiveWindow();
PLATFORM_API HWND GetForegroundWindow();
PLATFORM_API BOOL SetForegroundWindow(HWND hwnd);
PLATFORM_API HWND FindWindow(LPCTSTR className, LPCTSTR windowName);

// Messages and the queue.
PLATFORM_API LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
PLATFORM_API BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
PLATFORM_API void PostQuitMessage(int exitCode);
PLATFORM_API BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Unlike a blocking wait, this answers FALSE (with WM_NULL) when nothing is left to deliver, so a
// loop driven by queued input ends instead of hanging.
PLATFORM_API BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
PLATFORM_API BOOL TranslateMessage(const MSG* msg);
PLATFORM_API LRESULT DispatchMessage(const MSG* msg);
PLATFORM_API LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_API LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_API DWORD GetMessageTime();
PLATFORM_API DWORD GetMessagePos();

// Painting and scrolling of pixels.
PLATFORM_API BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
PLATFORM_API BOOL ValidateRect(HWND hwnd, const RECT* rect);
PLATFORM_API BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
PLATFORM_API BOOL UpdateWindow(HWND hwnd);
PLATFORM_API BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags);
PLATFORM_API BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* rect, const RECT* clip);
// Device contexts of a window: BeginPaint's is clipped to the update area and validates it;
// GetDC's covers the client area, GetWindowDC's the whole window. Each is given back with
// EndPaint or ReleaseDC.
PLATFORM_API HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
PLATFORM_API BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
PLATFORM_API HDC GetDC(HWND hwnd);
PLATFORM_API HDC GetWindowDC(HWND hwnd);
PLATFORM_API int ReleaseDC(HWND hwnd, HDC dc);

// Focus, capture, cursor and keyboard.
PLATFORM_API HWND SetFocus(HWND hwnd);
PLATFORM_API HWND GetFocus();
PLATFORM_API HWND SetCapture(HWND hwnd);
PLATFORM_API BOOL ReleaseCapture();
PLATFORM_API HWND GetCapture();
PLATFORM_API BOOL ClipCursor(const RECT* rect);
PLATFORM_API BOOL GetClipCursor(LPRECT rect);
PLATFORM_API HCURSOR LoadCursor(HINSTANCE instance, LPCTSTR name);
PLATFORM_API HCURSOR LoadStandardCursor(LPCTSTR name);
PLATFORM_API HCURSOR SetCursor(HCURSOR cursor);
PLATFORM_API HCURSOR GetCursor();
PLATFORM_API BOOL GetCursorPos(LPPOINT point);
PLATFORM_API BOOL SetCursorPos(int x, int y);
PLATFORM_API short GetKeyState(int virtualKey);
PLATFORM_API short GetAsyncKeyState(int virtualKey);
PLATFORM_API UINT GetDoubleClickTime();

// Timers and time.
PLATFORM_API UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
PLATFORM_API BOOL KillTimer(HWND hwnd, UINT_PTR id);
PLATFORM_API DWORD GetTickCount();

// Scroll bars of a window.
PLATFORM_API int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
PLATFORM_API BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
PLATFORM_API BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
PLATFORM_API BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
PLATFORM_API int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
PLATFORM_API int GetScrollPos(HWND hwnd, int bar);
PLATFORM_API BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
PLATFORM_API BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows);

// System settings.
PLATFORM_API int GetSystemMetrics(int index);
PLATFORM_API BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
// Sets system colours and tells every window (WM_SYSCOLORCHANGE).
PLATFORM_API BOOL SetSysColors(int count, const int* indices, const COLORREF* colours);
// The settings store holds the desktop's settings (HKEY_CURRENT_USER "Control Panel\\Desktop");
// values are read as text.
PLATFORM_API LONG RegOpenKeyEx(HKEY key, LPCTSTR subKey, DWORD options, REGSAM access, PHKEY result);
PLATFORM_API LONG RegQueryValueEx(HKEY key, LPCTSTR valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
PLATFORM_API LONG RegCloseKey(HKEY key);

// Global memory and the clipboard.
PLATFORM_API HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
PLATFORM_API HGLOBAL GlobalReAlloc(HGLOBAL memory, std::size_t bytes, UINT flags);
PLATFORM_API HGLOBAL GlobalFree(HGLOBAL memory);
PLATFORM_API LPVOID GlobalLock(HGLOBAL memory);
PLATFORM_API BOOL GlobalUnlock(HGLOBAL memory);
PLATFORM_API std::size_t GlobalSize(HGLOBAL memory);
PLATFORM_API BOOL OpenClipboard(HWND owner);
PLATFORM_API BOOL CloseClipboard();
PLATFORM_API BOOL EmptyClipboard();
PLATFORM_API HANDLE SetClipboardData(UINT format, HANDLE memory);
PLATFORM_API HANDLE GetClipboardData(UINT format);
PLATFORM_API BOOL IsClipboardFormatAvailable(UINT format);
PLATFORM_API int CountClipboardFormats();
PLATFORM_API HWND GetClipboardOwner();
PLATFORM_API UINT RegisterClipboardFormat(LPCTSTR name);
