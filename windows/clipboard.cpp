#include "windows/clipboard.h"

#include <cstring>

#include "session/htmlclipboard.h"
#include "windows/messagebox.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

// Hands a copy of the bytes to the clipboard in that format.
void SetClipboardBytes(UINT nFormat, const void* pBytes, std::size_t nSize) {
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hBlock == nullptr) {
        LogNote(L"no memory for the clipboard");
        return;
    }
    void* pBlock = GlobalLock(hBlock);
    if (pBlock == nullptr) {
        GlobalFree(hBlock);
        LogNote(L"no memory for the clipboard");
        return;
    }
    std::memcpy(pBlock, pBytes, nSize);
    GlobalUnlock(hBlock);
    if (SetClipboardData(nFormat, hBlock) == nullptr) GlobalFree(hBlock);  // the clipboard did not take it
}

}  // namespace

std::wstring ClipboardFailureMessage() {
    return L"Не могу открыть буфер обмена";
}

bool CopyToClipboard(HWND hOwner, const std::wstring& text, const std::string& strHtmlUtf8) {
    if (!OpenClipboard(hOwner)) return false;
    EmptyClipboard();
    SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    const std::string strCp1251 = TextOfWide(text);
    SetClipboardBytes(CF_TEXT, strCp1251.c_str(), strCp1251.size() + 1);
    if (!strHtmlUtf8.empty()) {
        const std::string strData = HtmlClipboardData(strHtmlUtf8);
        SetClipboardBytes(RegisterClipboardFormatW(L"HTML Format"), strData.c_str(), strData.size() + 1);
    }
    CloseClipboard();
    return true;
}

}  // namespace sorvanta
