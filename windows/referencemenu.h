// The reference field's context menu: the edit's usual commands and, after a
// separator, "Очистить историю", which the field's owner carries out.
#pragma once

#include <windows.h>

namespace sorvanta {

// Takes over WM_CONTEXTMENU of the combo box's edit. Choosing "Очистить
// историю" (offered only when the list holds entries) sends the owner
// WM_COMMAND with ID_CLEAR_HISTORY.
void AttachReferenceMenu(HWND hCombo);

}  // namespace sorvanta
