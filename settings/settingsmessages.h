// What the settings tell the person, in one place.
#pragma once

#include <QString>

namespace sorvanta {

// The folder typed into the folder picker's path line is none.
inline QString FolderNotFoundMessage(const QString& folder) {
    return QStringLiteral("Папка «%1» не найдена.").arg(folder);
}

}  // namespace sorvanta
