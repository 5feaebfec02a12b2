// Holds a hot key the way another Windows program would: registers the
// combination, prints "held" (or "refused" and ends with 1), and keeps it
// until it is ended.   winholdkey MODIFIERS CHARACTER   (MOD_ALT 1,
// MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8)
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || argv[2][0] == L'\0') return 2;
    const UINT nModifiers = static_cast<UINT>(std::wcstoul(argv[1], nullptr, 10));
    const UINT nKey = static_cast<UINT>(VkKeyScanW(argv[2][0])) & 0xFFu;
    if (!RegisterHotKey(nullptr, 1, nModifiers, nKey)) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    return 0;
}
