// The record that describes the main window's tray icon.
#pragma once

#include <QString>

namespace sorvanta {

inline constexpr unsigned kTrayIconId = 101;
inline constexpr unsigned kTrayCallbackMessage = 1034;  // the host platform's WM_USER + 10

struct CTrayIconRecord {
    unsigned uID = 0;
    unsigned uCallbackMessage = 0;  // 0 until filled: no notification matches
    QString szTip;
};

// Mouse reports of the tray icon, numbered as the host platform numbers them.
enum class CTrayMouse : unsigned {
    LeftDown = 0x0201,
    LeftUp = 0x0202,
    LeftDoubleClick = 0x0203,
    RightUp = 0x0205,
    Move = 0x0200,
};

}  // namespace sorvanta
