// The one place where code page 1251 bytes and Qt's Unicode strings meet.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace sorvanta {

QString ToQString(std::string_view strCp1251);
// Characters that code page 1251 lacks become "?".
std::string FromQString(const QString& text);

// Native file-system paths (UTF-8 on Linux) to and from Qt.
QString PathToQString(const std::string& strPath);
std::string PathFromQString(const QString& path);

}  // namespace sorvanta
