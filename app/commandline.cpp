#include "app/commandline.h"

namespace sorvanta {

const char* const kProgramUsage =
    "Usage: sorvanta [--restore | --launch-host]\n"
    "\n"
    "Without an option, starts Sorvanta, or brings back the window of the\n"
    "Sorvanta that already runs on this display.\n"
    "\n"
    "  --restore      the running Sorvanta brings its window back, as Win+key\n"
    "                 does; when none runs, Sorvanta starts\n"
    "  --launch-host  the running Sorvanta starts Orvanel, as Ctrl+Alt+key does\n"
    "\n"
    "Bind these to keys in the desktop's keyboard settings where Sorvanta's own\n"
    "hot keys do not work. Exit status: 0 done, 1 no Sorvanta runs to start\n"
    "Orvanel, 2 usage error.\n";

std::optional<CInstanceRequest> ParseCommandLine(const QStringList& arrArgs) {
    if (arrArgs.isEmpty()) return CInstanceRequest::Show;
    if (arrArgs.size() > 1) return std::nullopt;
    if (arrArgs.front() == QLatin1String("--restore")) return CInstanceRequest::HotKeyRestore;
    if (arrArgs.front() == QLatin1String("--launch-host")) return CInstanceRequest::HotKeyLaunch;
    return std::nullopt;
}

}  // namespace sorvanta
