#include "windows/hostlauncher.h"

#include "session/launchoutcome.h"
#include "windows/messagebox.h"
#include "windows/wintext.h"

namespace sorvanta {

void LaunchHost(HWND hOwner) {
    const UINT nResult = WinExec(kHostProgram, SW_SHOW);
    const std::u8string_view message = LaunchMessage(LaunchOutcomeOfWinExec(nResult));
    if (!message.empty()) {
        AfxMessageBox(hOwner,
                      WideOfUtf8(std::string_view(reinterpret_cast<const char*>(message.data()), message.size())));
    }
}

}  // namespace sorvanta
