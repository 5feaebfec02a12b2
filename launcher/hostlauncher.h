// Starting the host program "orvanel.exe".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session/launchoutcome.h"

namespace sorvanta {

struct CLaunchSearch {
    std::string m_strOwnDirectory;       // the directory of the program's own executable
    std::vector<std::string> m_arrPath;  // the directories of PATH, in order
};

// The directories of a PATH value. Empty and relative entries, which would
// search the current directory, are left out.
std::vector<std::string> SplitSearchPath(const std::string& strPath);

// Looks for the program in the own directory, then along PATH, and starts it
// with no arguments: directly when it is executable, through `wine` (found on
// PATH) when it is a Windows program. Never through a shell. The child is
// reaped later by ReapFinishedChildren, so no zombie stays behind.
CLaunchOutcome LaunchProgram(const std::string& strName, const CLaunchSearch& search);

// Collects the exit status of started programs that have ended; returns how
// many are still running.
int ReapFinishedChildren();

}  // namespace sorvanta
