// sorvanta-lookup on Windows: the arguments as UTF-8 from the wide command
// line, bytes on pipes and files passed unchanged (no CR added before a line
// feed), and text on a console shown and read as Unicode.
#include <windows.h>
// After windows.h, which it builds on.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/consolestream_win32.h"
#include "cli/lookupmain.h"
#include "text/widepath.h"

namespace {

std::vector<std::string> Utf8Arguments() {
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    std::vector<std::string> arrArgs;
    for (int i = 1; ppArgs != nullptr && i < nArgs; ++i) arrArgs.push_back(sorvanta::Utf8Path(ppArgs[i]));
    ::LocalFree(ppArgs);
    return arrArgs;
}

// A console's own stream buffer, or the standard one for a file or a pipe.
template <class Console, class Stream>
std::streambuf* BufferFor(DWORD nHandle, std::unique_ptr<Console>& pConsole, Stream& standard) {
    const HANDLE hStream = ::GetStdHandle(nHandle);
    if (!sorvanta::IsConsole(hStream)) return standard.rdbuf();
    pConsole = std::make_unique<Console>(hStream);
    return pConsole.get();
}

}  // namespace

int main() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::unique_ptr<sorvanta::CConsoleInput> pConsoleIn;
    std::unique_ptr<sorvanta::CConsoleOutput> pConsoleOut;
    std::unique_ptr<sorvanta::CConsoleOutput> pConsoleErr;
    std::istream in(BufferFor(STD_INPUT_HANDLE, pConsoleIn, std::cin));
    std::ostream out(BufferFor(STD_OUTPUT_HANDLE, pConsoleOut, std::cout));
    std::ostream err(BufferFor(STD_ERROR_HANDLE, pConsoleErr, std::cerr));
    err.setf(std::ios::unitbuf);
    const int nStatus = sorvanta::LookupMain(Utf8Arguments(), in, out, err);
    out.flush();
    err.flush();
    return nStatus;
}
