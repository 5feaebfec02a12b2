#include "windows/folderpicker.h"

#include <shlobj.h>

namespace sorvanta {

namespace {

// The file-system path of an item, or "" when it has none.
std::wstring PathOfItem(LPCITEMIDLIST pItem) {
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(pItem, path) ? std::wstring(path) : std::wstring();
}

// The item of a path below the desktop, or nullptr.
LPITEMIDLIST ItemOfPath(IMalloc* pMalloc, const std::wstring& strPath) {
    IShellFolder* pDesktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&pDesktop))) return nullptr;
    std::wstring path = strPath;
    LPITEMIDLIST pItem = nullptr;
    const HRESULT hResult = pDesktop->ParseDisplayName(nullptr, nullptr, path.data(), nullptr, &pItem, nullptr);
    pDesktop->Release();
    if (FAILED(hResult)) {
        if (pItem != nullptr) pMalloc->Free(pItem);
        return nullptr;
    }
    return pItem;
}

}  // namespace

BOOL CFolderPicker::CheckSelection(const std::wstring& /*strPath*/, std::wstring& /*strStatus*/) {
    return TRUE;
}

BOOL CFolderPicker::Browse(HWND hOwner) {
    if (!m_strInitialFolder.empty()) {
        while (!m_strInitialFolder.empty() && iswspace(m_strInitialFolder.back())) m_strInitialFolder.pop_back();
        if (!m_strInitialFolder.empty() && m_strInitialFolder.back() == L'\\') m_strInitialFolder.pop_back();
    }
    IMalloc* pMalloc = nullptr;
    if (SHGetMalloc(&pMalloc) != S_OK) return FALSE;
    BROWSEINFOW info{};
    LPITEMIDLIST pRoot = nullptr;
    if (!m_strRoot.empty()) {
        pRoot = ItemOfPath(pMalloc, m_strRoot);
        if (pRoot == nullptr) {
            pMalloc->Release();
            return FALSE;
        }
    }
    wchar_t displayName[MAX_PATH] = {};
    info.hwndOwner = hOwner;
    info.pidlRoot = pRoot;
    info.pszDisplayName = displayName;
    info.lpszTitle = m_strTitle.empty() ? L"Open" : m_strTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | (m_bStatusText != 0 ? BIF_STATUSTEXT : 0);
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    LPITEMIDLIST pChosen = SHBrowseForFolderW(&info);
    BOOL bChosen = FALSE;
    if (pChosen != nullptr) {
        m_strPath = displayName;
        m_nImage = info.iImage;
        const std::wstring strPath = PathOfItem(pChosen);
        if (!strPath.empty()) {
            m_strPath = strPath;
            bChosen = TRUE;
        }
        pMalloc->Free(pChosen);
    }
    if (pRoot != nullptr) pMalloc->Free(pRoot);
    pMalloc->Release();
    return bChosen;
}

int CALLBACK CFolderPicker::BrowseCallback(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData) {
    auto* pPicker = reinterpret_cast<CFolderPicker*>(lpData);
    switch (nMessage) {
        case BFFM_INITIALIZED:
            if (!pPicker->m_strInitialFolder.empty()) {
                SendMessageW(hWnd, BFFM_SETSELECTIONW, TRUE,
                             reinterpret_cast<LPARAM>(pPicker->m_strInitialFolder.c_str()));
            }
            if (!pPicker->m_strCaption.empty()) SetWindowTextW(hWnd, pPicker->m_strCaption.c_str());
            break;
        case BFFM_SELCHANGED: {
            std::wstring strStatus;
            const BOOL bAllowed =
                pPicker->CheckSelection(PathOfItem(reinterpret_cast<LPCITEMIDLIST>(lParam)), strStatus);
            if (pPicker->m_bStatusText != 0) {
                SendMessageW(hWnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(strStatus.c_str()));
            }
            SendMessageW(hWnd, BFFM_ENABLEOK, 0, bAllowed);
            break;
        }
        default: break;
    }
    return 0;
}

}  // namespace sorvanta
