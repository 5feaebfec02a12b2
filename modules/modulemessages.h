// Texts the module catalogue reports to the user, in code page 1251.
#pragma once

#include <string>

namespace sorvanta {

// "Невозможно открыть файл " + path.
std::string CannotOpenFileMessage(const std::string& strPath);
// "В каталоге " + directory + " модули не были найдены".
std::string NoModulesMessage(const std::string& strDirectory);

}  // namespace sorvanta
