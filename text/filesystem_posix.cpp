// The file system on POSIX systems: non-blocking opens, so that a pipe or a
// device at a file's name can never hold the reader.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>

#include "text/filereading.h"
#include "text/filesystem.h"

namespace sorvanta {

const char kPathSeparator = '/';
const std::string_view kPathSeparators = "/";

namespace {

class CDescriptor {
public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

struct CDirCloser {
    void operator()(DIR* pDir) const { ::closedir(pDir); }
};

PathKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return PathKind::File;
    if (S_ISDIR(mode)) return PathKind::Folder;
    if (S_ISLNK(mode)) return PathKind::Link;
    return PathKind::Other;
}

PathKind KindOfEntry(DIR* pDir, const dirent& entry) {
    switch (entry.d_type) {
        case DT_REG: return PathKind::File;
        case DT_DIR: return PathKind::Folder;
        case DT_LNK: return PathKind::Link;
        case DT_UNKNOWN: break;
        default: return PathKind::Other;
    }
    struct stat info {};
    if (::fstatat(::dirfd(pDir), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return PathKind::Unreadable;
    return KindOfMode(info.st_mode);
}

}  // namespace

std::optional<CFileBytes> ReadWholeFile(const std::string& strPath, bool* pMissing) {
    // Non-blocking, so that a pipe of that name cannot hold the reader; only
    // regular files are read.
    const CDescriptor file(::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (pMissing != nullptr) *pMissing = file.Get() < 0 && errno == ENOENT;
    if (file.Get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize) return std::nullopt;

    // Ask for the length and read that many bytes; the bytes actually read
    // make the result (a file that shrank meanwhile gives fewer, one that
    // grew gives no more).
    const auto nLength = static_cast<std::size_t>(info.st_size);
    auto pBytes = std::make_unique_for_overwrite<char[]>(nLength == 0 ? 1 : nLength);
    std::size_t nRead = 0;
    while (nRead < nLength) {
        const ssize_t got = ::read(file.Get(), pBytes.get() + nRead, nLength - nRead);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        nRead += static_cast<std::size_t>(got);
    }
    return CFileBytes(std::move(pBytes), nRead);
}

PathKind KindOfPath(const std::string& strPath) {
    struct stat info {};
    if (::stat(strPath.c_str(), &info) == 0) return KindOfMode(info.st_mode);
    return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Unreadable;
}

std::optional<std::vector<CFolderEntry>> ListFolder(const std::string& strFolder) {
    const std::unique_ptr<DIR, CDirCloser> pDir(::opendir(strFolder.empty() ? "." : strFolder.c_str()));
    if (!pDir) return std::nullopt;
    std::vector<CFolderEntry> arrEntries;
    while (const dirent* pEntry = ::readdir(pDir.get())) {
        const std::string_view name(pEntry->d_name);
        if (name == "." || name == "..") continue;
        arrEntries.push_back({std::string(name), KindOfEntry(pDir.get(), *pEntry)});
    }
    return arrEntries;
}

std::optional<CFileIdentity> IdentityOfPath(const std::string& strPath) {
    struct stat info {};
    if (::stat(strPath.c_str(), &info) != 0) return std::nullopt;
    return CFileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

RenameResult RenameWithoutReplacing(const std::string& strFrom, const std::string& strTo) {
    if (::renameat2(AT_FDCWD, strFrom.c_str(), AT_FDCWD, strTo.c_str(), RENAME_NOREPLACE) == 0) {
        return RenameResult::Renamed;
    }
    return errno == EEXIST ? RenameResult::NameTaken : RenameResult::Failed;
}

}  // namespace sorvanta
