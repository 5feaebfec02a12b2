// How starting the host program "orvanel.exe" ended, and what the person is
// told about it.
#pragma once

#include <string_view>

namespace sorvanta {

inline constexpr const char* kHostProgram = "orvanel.exe";

enum class CLaunchOutcome {
    Started,
    OutOfMemory,   // "Не хватает памяти"
    FileNotFound,  // "Файл не найден"
    PathNotFound,  // "Путь не найден": found, but a path it needs to run is missing
    BadFormat,     // "Неверный формат exe-файла"
    OtherFailure,  // reported to nobody
};

// The outcome of WinExec's result: above 31 started, 0, 2, 3 and 11 the
// four failures told, every other value a failure told to nobody.
CLaunchOutcome LaunchOutcomeOfWinExec(unsigned nResult);

// The message for the outcome, or "" when nothing is reported. UTF-8, unlike
// the core's code page 1251 texts, hence its own character type.
std::u8string_view LaunchMessage(CLaunchOutcome outcome);

}  // namespace sorvanta
