#include "session/hotkeychar.h"

#include "text/codec.h"

namespace sorvanta {

std::string HotkeyFieldTooLongMessage() {
    return Utf8ToCp1251("Введите не более одного символа.");
}

std::string HotkeyText(char ch) {
    return ch == '\0' ? std::string() : std::string(1, ch);
}

char HotkeyChar(const std::string& strText) {
    return strText.empty() ? '\0' : strText.front();
}

}  // namespace sorvanta
