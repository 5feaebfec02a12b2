#include "session/startrequest.h"

namespace sorvanta {

namespace {

struct CRequestLine {
    CInstanceRequest request;
    std::string_view line;
};
constexpr CRequestLine kRequestLines[] = {
    {CInstanceRequest::Show, "restore"},
    {CInstanceRequest::HotKeyLaunch, "hotkey 1"},
    {CInstanceRequest::HotKeyRestore, "hotkey 2"},
};

}  // namespace

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

std::optional<CInstanceRequest> ParseCommandLine(const std::vector<std::string>& arrArgs) {
    if (arrArgs.empty()) return CInstanceRequest::Show;
    if (arrArgs.size() > 1) return std::nullopt;
    if (arrArgs.front() == "--restore") return CInstanceRequest::HotKeyRestore;
    if (arrArgs.front() == "--launch-host") return CInstanceRequest::HotKeyLaunch;
    return std::nullopt;
}

std::string_view RequestLine(CInstanceRequest request) {
    for (const CRequestLine& entry : kRequestLines) {
        if (entry.request == request) return entry.line;
    }
    return {};
}

std::optional<CInstanceRequest> RequestOfLine(std::string_view line) {
    for (const CRequestLine& entry : kRequestLines) {
        if (entry.line == line) return entry.request;
    }
    return std::nullopt;
}

}  // namespace sorvanta
