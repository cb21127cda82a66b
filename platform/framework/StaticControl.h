// The "Static" class: a label, left, centred or right aligned, broken into lines at line feeds
// and between words; or one of the plain frames and rectangles.
#pragma once

#include "ControlState.h"

namespace platform {

class StaticControl : public ControlState {
public:
    explicit StaticControl(HWND hwnd) : ControlState(hwnd) {}

protected:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
};

} // namespace platform
