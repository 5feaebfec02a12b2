// Messages to the person, and notes for a debugger.
#pragma once

#include <windows.h>

#include <string>

namespace sorvanta {

// The program's name: its executable's base name. It titles every message
// box and names the program's key in the registry.
std::wstring ApplicationName();

// A modal message box with an OK button, titled with the program's name.
void AfxMessageBox(HWND hOwner, const std::wstring& strText);

// A note nobody is shown (OutputDebugStringW), for what fails silently.
void LogNote(const std::wstring& strNote);

}  // namespace sorvanta
