// Building a dialog's controls from its template.
#pragma once

#include "../win/WinApi.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"

namespace platform {

// Creates the controls of a template in a dialog window: each control's window, in the order of
// the template (which becomes the z-order and the tab order), with the dialog's font and its
// initial data, and an object of its class (CEdit, CButton, ...) that lives as long as its
// window unless DDX_Control gives the window an object of the dialog's own. FALSE, with the
// reason logged, when a control could not be made.
BOOL BuildDialogControls(HWND dialog, const DialogTemplate& dialogTemplate, HFONT font, DialogBaseUnits base);

} // namespace platform
