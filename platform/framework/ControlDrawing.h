// Drawing of the parts that several controls share, in the classic look: bevelled frames, check
// boxes, radio buttons and arrows. Rectangles are in the context's logical units.
#pragma once

#include "../gdi/DC.h"

namespace platform {

enum class ArrowDirection { Up, Down, Left, Right };

inline constexpr int kCheckBoxSize = 13;
inline constexpr int kRadioSize = 12;

void DrawRaisedFrame(CDC& dc, const CRect& rect);
void DrawSunkenFrame(CDC& dc, const CRect& rect);
// A push button's face: raised, or sunken while pressed, filled with the button colour.
void DrawButtonFace(CDC& dc, const CRect& rect, BOOL pressed);
// A check box of kCheckBoxSize at the rectangle's top left; check is 0, 1 or 2 (indeterminate).
void DrawCheckBox(CDC& dc, CPoint topLeft, int check, BOOL enabled);
void DrawRadioButton(CDC& dc, CPoint topLeft, BOOL checked, BOOL enabled);
// A filled triangle pointing one way, centred in the rectangle.
void DrawArrow(CDC& dc, const CRect& rect, ArrowDirection direction, COLORREF colour);
// A filled polygon in one colour.
void FillPolygon(CDC& dc, const POINT* points, int count, COLORREF colour);
// A filled circle in one colour, centred on a point between pixels or on one.
void FillCircle(CDC& dc, double centreX, double centreY, double radius, COLORREF colour);
// A straight stroke of some width in one colour.
void FillStroke(CDC& dc, POINT from, POINT to, double width, COLORREF colour);

} // namespace platform
