#include "session/captionbutton.h"

namespace sorvanta {

namespace {

constexpr int kLeftFromRight = 19;
constexpr int kTop = 5;
constexpr int kHitRightFromRight = 5;
constexpr int kHitBottom = 19;

}  // namespace

CaptionButtonRect CaptionButtonPlace(int nWindowWidth) {
    return {nWindowWidth - kLeftFromRight, kTop, 14, 12};
}

bool IsOnCaptionButton(int nWindowWidth, int x, int y) {
    return nWindowWidth - kLeftFromRight < x && x < nWindowWidth - kHitRightFromRight && kTop < y && y < kHitBottom;
}

}  // namespace sorvanta
