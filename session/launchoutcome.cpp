#include "session/launchoutcome.h"

namespace sorvanta {

CLaunchOutcome LaunchOutcomeOfWinExec(unsigned nResult) {
    constexpr unsigned kLastFailure = 31;
    if (nResult > kLastFailure) return CLaunchOutcome::Started;
    switch (nResult) {
        case 0: return CLaunchOutcome::OutOfMemory;
        case 2: return CLaunchOutcome::FileNotFound;  // ERROR_FILE_NOT_FOUND
        case 3: return CLaunchOutcome::PathNotFound;  // ERROR_PATH_NOT_FOUND
        case 11: return CLaunchOutcome::BadFormat;    // ERROR_BAD_FORMAT
        default: return CLaunchOutcome::OtherFailure;
    }
}

std::u8string_view LaunchMessage(CLaunchOutcome outcome) {
    switch (outcome) {
        case CLaunchOutcome::OutOfMemory: return u8"Не хватает памяти";
        case CLaunchOutcome::FileNotFound: return u8"Файл не найден";
        case CLaunchOutcome::PathNotFound: return u8"Путь не найден";
        case CLaunchOutcome::BadFormat: return u8"Неверный формат exe-файла";
        case CLaunchOutcome::Started:
        case CLaunchOutcome::OtherFailure: return {};
    }
    return {};
}

}  // namespace sorvanta
