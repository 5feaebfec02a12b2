// The key combination the desktop portal is asked for, in its own notation:
// modifiers and the key's name joined by "+", as in "CTRL+ALT+b" or "LOGO+b".
#pragma once

#include <QString>

namespace sorvanta {

// The trigger for the code page 1251 character `chKey` with the modifiers
// (kModControl, kModAlt, kModShift, kModWin); letter case does not count, so "B" and
// "b" ask for the same key. Empty when no key has that character.
QString PortalTrigger(unsigned nModifiers, char chKey);

}  // namespace sorvanta
