#include "windows/selectioncopy.h"

#include <cstring>

namespace sorvanta {

namespace {

// Formats whose data is a handle of another kind than a memory block: a
// bitmap, a palette, a metafile, a window's own drawing, or the owner's own.
bool IsMemoryFormat(UINT nFormat) {
    switch (nFormat) {
        case CF_BITMAP:
        case CF_METAFILEPICT:
        case CF_PALETTE:
        case CF_ENHMETAFILE:
        case CF_OWNERDISPLAY:
        case CF_DSPBITMAP:
        case CF_DSPMETAFILEPICT:
        case CF_DSPENHMETAFILE: return false;
        default:
            return !(nFormat >= CF_PRIVATEFIRST && nFormat <= CF_PRIVATELAST) &&
                   !(nFormat >= CF_GDIOBJFIRST && nFormat <= CF_GDIOBJLAST);
    }
}

std::vector<BYTE> BytesOf(HANDLE hData) {
    const SIZE_T nSize = hData == nullptr ? 0 : GlobalSize(hData);
    const void* pData = nSize == 0 ? nullptr : GlobalLock(hData);
    if (pData == nullptr) return {};
    std::vector<BYTE> bytes(static_cast<const BYTE*>(pData), static_cast<const BYTE*>(pData) + nSize);
    GlobalUnlock(hData);
    return bytes;
}

HGLOBAL BlockOf(const std::vector<BYTE>& bytes) {
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* pBlock = hBlock == nullptr ? nullptr : GlobalLock(hBlock);
    if (pBlock == nullptr) {
        if (hBlock != nullptr) GlobalFree(hBlock);
        return nullptr;
    }
    std::memcpy(pBlock, bytes.data(), bytes.size());
    GlobalUnlock(hBlock);
    return hBlock;
}

}  // namespace

bool CClipboardContents::Save(HWND hOwner) {
    m_arrFormats.clear();
    if (!OpenClipboard(hOwner)) return false;
    for (UINT nFormat = EnumClipboardFormats(0); nFormat != 0; nFormat = EnumClipboardFormats(nFormat)) {
        if (!IsMemoryFormat(nFormat)) continue;
        std::vector<BYTE> bytes = BytesOf(GetClipboardData(nFormat));
        if (!bytes.empty()) m_arrFormats.emplace_back(nFormat, std::move(bytes));
    }
    CloseClipboard();
    return true;
}

bool CClipboardContents::Restore(HWND hOwner) const {
    if (!OpenClipboard(hOwner)) return false;
    EmptyClipboard();
    for (const auto& [nFormat, bytes] : m_arrFormats) {
        HGLOBAL hBlock = BlockOf(bytes);
        if (hBlock != nullptr && SetClipboardData(nFormat, hBlock) == nullptr) GlobalFree(hBlock);
    }
    CloseClipboard();
    return true;
}

std::optional<CCopiedSelection> ReadCopiedSelection(HWND hOwner) {
    if (!OpenClipboard(hOwner)) return std::nullopt;
    CCopiedSelection copied;
    const std::vector<BYTE> bytes = BytesOf(GetClipboardData(CF_UNICODETEXT));
    // The block may be larger than its text, or lack the final zero.
    const std::size_t nUnits = bytes.size() / sizeof(wchar_t);
    copied.text.resize(nUnits);
    if (nUnits != 0) std::memcpy(copied.text.data(), bytes.data(), nUnits * sizeof(wchar_t));
    if (const std::size_t nEnd = copied.text.find(L'\0'); nEnd != std::wstring::npos) copied.text.resize(nEnd);
    copied.bDataWithoutText = bytes.empty() && CountClipboardFormats() > 0;
    CloseClipboard();
    return copied;
}

}  // namespace sorvanta
