// Starting the host program "orvanel.exe" by its bare name, as the system
// searches for a program, and telling the person of the four failures.
#pragma once

#include <windows.h>

namespace sorvanta {

void LaunchHost(HWND hOwner);

}  // namespace sorvanta
