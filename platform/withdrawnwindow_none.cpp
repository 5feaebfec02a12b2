// Platforms without window-manager hints to correct.
#include "platform/withdrawnwindow.h"

namespace sorvanta {

void MarkWithdrawnWindowNormal(QWindow*) {}

}  // namespace sorvanta
