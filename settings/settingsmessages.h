// What the settings tell the person, in one place.
#pragma once

#include <QString>

#include "platform/hotkeys.h"

namespace sorvanta {

// The folder typed into the folder picker's path line is none.
inline QString FolderNotFoundMessage(const QString& folder) {
    return QStringLiteral("Папка «%1» не найдена.").arg(folder);
}

// Why a hot key cannot be had, shown beside its field ("" when it can).
inline QString HotkeyStatusText(HotkeyStatus status) {
    switch (status) {
        case HotkeyStatus::Taken: return QStringLiteral("Занято другой программой");
        case HotkeyStatus::NoKey: return QStringLiteral("Нет такой клавиши");
        default: return QString();
    }
}

// Why Win+Shift with the restore character, which replaces a selected
// reference, cannot be had ("" when it can, or when the platform cannot say).
inline QString ReplaceHotkeyStatusText(HotkeyStatus status) {
    return status == HotkeyStatus::Taken ? QStringLiteral("Win+Shift: занято другой программой") : QString();
}

// Why "Вставлять цитату в документ" cannot be switched on here.
inline QString DocumentPasteUnavailableMessage(bool bWayland) {
    return bWayland ? QStringLiteral(
                          "Рабочий стол не даёт программам нажимать клавиши (его портал не предлагает "
                          "клавиатуру): цитата остаётся в буфере обмена, вставьте её сами (Ctrl+V).")
                    : QStringLiteral(
                          "Здесь нельзя вставлять в окна других программ (нет расширения XTest): "
                          "цитата остаётся в буфере обмена.");
}

}  // namespace sorvanta
