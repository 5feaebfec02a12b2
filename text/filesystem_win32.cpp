// The file system on Windows: UTF-8 paths become UTF-16 for the wide
// functions, files are opened with full sharing so that the host may hold
// them open, and only disk files are read, never a device such as CON or NUL.
// The file system itself ignores letter case.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "text/filereading.h"
#include "text/filesystem.h"
#include "text/widepath.h"

namespace sorvanta {

const char kPathSeparator = '\\';
const std::string_view kPathSeparators = "\\/";

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class CHandle {
public:
    explicit CHandle(HANDLE h) : m_h(h) {}
    ~CHandle() {
        if (Valid()) ::CloseHandle(m_h);
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    bool Valid() const { return m_h != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

struct CFindCloser {
    void operator()(HANDLE h) const { ::FindClose(h); }
};

bool IsMissingError(DWORD nError) {
    return nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND || nError == ERROR_INVALID_NAME;
}

// Opens what stands at the path: a folder too (backup semantics), links
// followed. `nAccess` 0 asks for the attributes only.
HANDLE OpenPath(const std::string& strPath, DWORD nAccess) {
    return ::CreateFileW(WidePath(strPath).c_str(), nAccess, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

PathKind KindOfAttributes(DWORD nAttributes) {
    if ((nAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return PathKind::Link;
    return (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

}  // namespace

std::optional<CFileBytes> ReadWholeFile(const std::string& strPath, bool* pMissing) {
    const CHandle file(OpenPath(strPath, GENERIC_READ));
    if (pMissing != nullptr) *pMissing = !file.Valid() && IsMissingError(::GetLastError());
    if (!file.Valid() || ::GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.Get(), &info)) return std::nullopt;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    const std::uint64_t nSize = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (nSize > kMaxFileSize) return std::nullopt;

    // The bytes actually read make the result, as on other systems.
    const auto nLength = static_cast<std::size_t>(nSize);
    auto pBytes = std::make_unique_for_overwrite<char[]>(nLength == 0 ? 1 : nLength);
    std::size_t nRead = 0;
    while (nRead < nLength) {
        DWORD nGot = 0;
        if (!::ReadFile(file.Get(), pBytes.get() + nRead, static_cast<DWORD>(nLength - nRead), &nGot, nullptr)) {
            return std::nullopt;
        }
        if (nGot == 0) break;
        nRead += nGot;
    }
    return CFileBytes(std::move(pBytes), nRead);
}

PathKind KindOfPath(const std::string& strPath) {
    const CHandle file(OpenPath(strPath, 0));
    if (!file.Valid()) return IsMissingError(::GetLastError()) ? PathKind::Missing : PathKind::Unreadable;
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) return PathKind::Other;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.Get(), &info)) return PathKind::Unreadable;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::optional<std::vector<CFolderEntry>> ListFolder(const std::string& strFolder) {
    WIN32_FIND_DATAW found{};
    const bool bEndsInSeparator = !strFolder.empty() && kPathSeparators.find(strFolder.back()) != std::string::npos;
    const std::string strPattern = strFolder.empty() || bEndsInSeparator ? strFolder + "*" : JoinPath(strFolder, "*");
    const HANDLE hFind = ::FindFirstFileW(WidePath(strPattern).c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) return std::nullopt;
    const std::unique_ptr<void, CFindCloser> closer(hFind);
    std::vector<CFolderEntry> arrEntries;
    do {
        const std::wstring_view name(found.cFileName);
        if (name == L"." || name == L"..") continue;
        arrEntries.push_back({Utf8Path(name), KindOfAttributes(found.dwFileAttributes)});
    } while (::FindNextFileW(hFind, &found));
    return arrEntries;
}

std::optional<CFileIdentity> IdentityOfPath(const std::string& strPath) {
    const CHandle file(OpenPath(strPath, 0));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !::GetFileInformationByHandle(file.Get(), &info)) return std::nullopt;
    return CFileIdentity{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

RenameResult RenameWithoutReplacing(const std::string& strFrom, const std::string& strTo) {
    if (::MoveFileExW(WidePath(strFrom).c_str(), WidePath(strTo).c_str(), 0)) return RenameResult::Renamed;
    const DWORD nError = ::GetLastError();
    return nError == ERROR_ALREADY_EXISTS || nError == ERROR_FILE_EXISTS ? RenameResult::NameTaken
                                                                         : RenameResult::Failed;
}

}  // namespace sorvanta
