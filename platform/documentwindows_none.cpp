// Platforms where another program's window cannot be pasted into.
#include "platform/documentwindows.h"

namespace sorvanta {

std::unique_ptr<CDocumentWindows> CreateDocumentWindows(const CHotkeyLayer&) {
    return nullptr;
}

}  // namespace sorvanta
