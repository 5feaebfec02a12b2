#include "modules/modulemessages.h"

#include "text/codec.h"

namespace sorvanta {

// Paths are native (UTF-8) strings; the messages are code page 1251 text.
std::string CannotOpenFileMessage(const std::string& strPath) {
    return Utf8ToCp1251("Невозможно открыть файл " + strPath);
}

std::string NoModulesMessage(const std::string& strDirectory) {
    return Utf8ToCp1251("В каталоге " + strDirectory + " модули не были найдены");
}

}  // namespace sorvanta
