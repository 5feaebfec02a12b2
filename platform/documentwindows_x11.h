// The writer's window on X11.
#pragma once

#include "platform/documentwindows.h"

namespace sorvanta {

// The way on the xcb platform with the XTest extension; null otherwise.
std::unique_ptr<CDocumentWindows> CreateX11DocumentWindows();

}  // namespace sorvanta
