// A window hidden to the tray from its minimised state.
#pragma once

class QWindow;

namespace sorvanta {

// Marks the hidden (withdrawn) window to come up normal at its next show.
// Qt keeps a window minimised while it is hidden and, when it is shown
// normal again, maps it before it takes back its iconic hint: a window
// manager quick enough to read that hint first maps it minimised, and the
// program would take that for the person minimising it.
void MarkWithdrawnWindowNormal(QWindow* pWindow);

}  // namespace sorvanta
