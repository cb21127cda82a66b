// Everything of the window layer that programs use: the functions, CWnd and its contexts.
#pragma once

#include "ClientDC.h"
#include "MessageBoxScript.h"
#include "PaintDC.h"
#include "Pump.h"
#include "ScrollBar.h"
#include "WinApi.h"
#include "WindowDC.h"
#include "Wnd.h"
