#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>
#include <vector>

#include "windows/quoteapp.h"

int WINAPI wWinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, PWSTR /*pCmdLine*/, int /*nShowCmd*/) {
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    std::vector<std::wstring> arrArgs;
    for (int i = 1; i < nArgs; ++i) arrArgs.emplace_back(ppArgs[i]);
    LocalFree(ppArgs);
    sorvanta::CQuoteApp app;
    return app.InitInstance(arrArgs);
}
