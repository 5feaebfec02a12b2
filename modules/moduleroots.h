// Finding a module root on a first start, when no root has been chosen yet.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

// How long the search may take, and how deep below a place it looks: a
// module folder at most this many folders below it (as in
// drive_c/Program Files/Orvanel/Modules/<module>).
inline constexpr std::chrono::milliseconds kRootSearchTime{300};
inline constexpr int kRootSearchDepth = 6;

// The environment values the places to search come from; empty when unset.
struct CSearchEnvironment {
    std::string m_strHome;        // HOME
    std::string m_strWinePrefix;  // WINEPREFIX
    std::string m_strDataHome;    // XDG_DATA_HOME
    std::string m_strDataDirs;    // XDG_DATA_DIRS, separated by ":"

    static CSearchEnvironment FromProcess();
};

// The places, in the order searched: the drive_c of the Wine prefixes
// ($WINEPREFIX, ~/.wine, each of ~/.local/share/wineprefixes/* in byte
// order), the home folder, then the XDG data folders ($XDG_DATA_HOME or
// ~/.local/share, then $XDG_DATA_DIRS or /usr/local/share:/usr/share).
std::vector<std::string> ModuleRootSearchPlaces(const CSearchEnvironment& environment);

// The module root with the most modules below the places: a module root is a
// folder with sub-folders that hold an "orvanel.ini" (whatever its letter
// case), each one module; among equals the first found, the places searched
// in order, each breadth first. Only folder listings are read, no file; no
// symbolic link is followed below a place, nor a folder searched twice;
// hidden folders (".name") are passed over; the search ends after `budget`
// with what it has found. "" when it finds none.
std::string FindModuleRoot(const std::vector<std::string>& arrPlaces,
                           std::chrono::steady_clock::duration budget = kRootSearchTime);

// The name of the host's own folder, as it installs itself on Windows.
inline constexpr std::string_view kHostFolderName = "Orvanel";

// The places on Windows, in the order searched: the host's folder that holds
// this program (its own folder or the nearest one above it with the host's
// folder's name, letter case ignored), then the host's folder in each known
// folder given and set (%ProgramFiles%, %ProgramFiles(x86)%, %LOCALAPPDATA%,
// %APPDATA%).
std::vector<std::string> WindowsModuleRootSearchPlaces(const std::string& strProgramFolder,
                                                       const std::vector<std::string>& arrKnownFolders);

// FindModuleRoot over the places of this process's environment (on Windows,
// the places above).
std::string FindDefaultModuleRoot();

}  // namespace sorvanta
