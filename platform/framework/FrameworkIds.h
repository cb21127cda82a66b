// Command ids, private messages and window ids of the document/view framework, with the values
// programs written against it expect.
#pragma once

#include "../win/WinConstants.h"

// Commands.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_APP_EXIT 0xE141

// Window ids: the first pane of a frame (its view, or an MDI frame's client area).
#define AFX_IDW_PANE_FIRST 0xE900

// Sent to a frame's descendants when a new frame is first shown; views answer with
// OnInitialUpdate.
#define WM_INITIALUPDATE 0x0364

// Frame styles kept in the frame's window style.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L

// The styles a frame makes its view with.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)
