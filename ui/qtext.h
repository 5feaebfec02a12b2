// The one place where the modules' byte strings (code page 1251, or UTF-8
// for a module written so) and Qt's Unicode strings meet.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace sorvanta {

QString ToQString(std::string_view strCp1251);
// Characters that code page 1251 lacks become "?".
std::string FromQString(const QString& text);

// The same for text in a module's encoding.
QString ToQString(std::string_view text, TextEncoding encoding);
std::string FromQString(const QString& text, TextEncoding encoding);

// Native file-system paths (UTF-8 on Linux) to and from Qt.
QString PathToQString(const std::string& strPath);
std::string PathFromQString(const QString& path);

}  // namespace sorvanta
