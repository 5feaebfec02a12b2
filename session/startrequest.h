// What a later start of the program asks of the one that runs, as its
// command line gives it and as one line sent to the running program.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

enum class CInstanceRequest {
    Show,           // show, restore and activate the window
    HotKeyLaunch,   // what hot key 1 does: start the host
    HotKeyRestore,  // what hot key 2 does: restore the window
};

inline constexpr int kExitNotRunning = 1;
inline constexpr int kExitUsage = 2;
extern const char* const kProgramUsage;

// What the arguments (the program's name left out) ask for; nothing when
// they are not understood.
std::optional<CInstanceRequest> ParseCommandLine(const std::vector<std::string>& arrArgs);

// The request as one line without its end ("restore", "hotkey 1", "hotkey 2"),
// and back; a line that names no request gives nothing.
std::string_view RequestLine(CInstanceRequest request);
std::optional<CInstanceRequest> RequestOfLine(std::string_view line);

}  // namespace sorvanta
