// The minimise button the main window draws into its own caption, in the
// window's coordinates (its frame included), from the window's width.
#pragma once

namespace sorvanta {

struct CaptionButtonRect {
    int left;
    int top;
    int width;
    int height;
};

// Where the button's picture goes: 19 pixels left of the right edge, 5 below
// the top, 14 by 12.
CaptionButtonRect CaptionButtonPlace(int nWindowWidth);
// A press counts strictly inside the edges: between 19 and 5 pixels from the
// right and between 5 and 19 pixels from the top.
bool IsOnCaptionButton(int nWindowWidth, int x, int y);

}  // namespace sorvanta
