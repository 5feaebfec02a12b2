// A hot-key character as the settings dialog shows it in its one-character
// field, and back.
#pragma once

#include <string>

namespace sorvanta {

// What the dialog says when a hot-key field holds more than one character
// (code page 1251).
std::string HotkeyFieldTooLongMessage();

// The field's text for a character: the character 0 is an empty field.
std::string HotkeyText(char ch);
// The character of a field's text (code page 1251): its first byte, 0 for
// an empty field.
char HotkeyChar(const std::string& strText);

}  // namespace sorvanta
