#include "text/filenames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "text/bytestring.h"
#include "text/codec.h"

namespace sorvanta {

namespace {

// The key under which two native (UTF-8) names count as the same file name.
std::string NameKey(std::string_view name) {
    return MakeUpper(Utf8ToCp1251(name));
}

// Whether a directory entry's name has the wanted key. Plain ASCII names, the
// usual case, are compared without converting them.
bool HasKey(std::string_view entry, const std::string& strWanted) {
    bool bAscii = true;
    for (char ch : entry) bAscii = bAscii && static_cast<unsigned char>(ch) < 0x80;
    if (!bAscii) return NameKey(entry) == strWanted;
    if (entry.size() != strWanted.size()) return false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (UpperCp1251(entry[i]) != strWanted[i]) return false;
    }
    return true;
}

struct CDirCloser {
    void operator()(DIR* pDir) const { ::closedir(pDir); }
};

// The path with its last component in small letters; the path itself when
// the name has characters that code page 1251 lacks.
std::string WithSmallLetters(const std::string& strPath) {
    const std::size_t nameStart = strPath.rfind('/') + 1;  // 0 when there is no separator
    const std::string_view name = std::string_view(strPath).substr(nameStart);
    const std::string strName = Utf8ToCp1251(name);
    if (Cp1251ToUtf8(strName) != name) return strPath;
    return strPath.substr(0, nameStart) + Cp1251ToUtf8(MakeLower(strName));
}

// The path whose last component is the first directory entry, in byte order,
// with the same name upper-cased; nothing when there is none.
std::optional<std::string> FindEntryNoCase(const std::string& strPath) {
    const std::size_t nameStart = strPath.rfind('/') + 1;
    const std::string_view name = std::string_view(strPath).substr(nameStart);
    if (name.empty()) return std::nullopt;
    const std::string strParent = nameStart == 0 ? std::string(".") : strPath.substr(0, nameStart);
    const std::unique_ptr<DIR, CDirCloser> pDir(::opendir(strParent.c_str()));
    if (!pDir) return std::nullopt;
    const std::string strWanted = NameKey(name);
    std::optional<std::string> strBest;
    while (const dirent* pEntry = ::readdir(pDir.get())) {
        const std::string_view entry(pEntry->d_name);
        if (HasKey(entry, strWanted) && (!strBest || entry < *strBest)) strBest = std::string(entry);
    }
    if (!strBest) return std::nullopt;
    return strPath.substr(0, nameStart) + *strBest;
}

}  // namespace

std::string FindFileNoCase(const std::string& strPath) {
    struct stat info {};
    if (::stat(strPath.c_str(), &info) == 0) return strPath;
    // The usual case on this platform: the file's name is in small letters.
    const std::string strSmall = WithSmallLetters(strPath);
    if (::stat(strSmall.c_str(), &info) == 0) return strSmall;
    return FindEntryNoCase(strPath).value_or(strPath);
}

CFolderFiles::CFolderFiles(const std::string& strFolder) {
    const std::unique_ptr<DIR, CDirCloser> pDir(::opendir(strFolder.empty() ? "." : strFolder.c_str()));
    if (!pDir) return;
    while (const dirent* pEntry = ::readdir(pDir.get())) {
        struct stat info {};
        if (::fstatat(::dirfd(pDir.get()), pEntry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) {
            m_keys.insert(NameKey(pEntry->d_name));
        }
    }
}

bool CFolderFiles::Has(std::string_view name) const {
    return m_keys.contains(NameKey(name));
}

bool StaysInsideFolder(std::string_view name) {
    if (name.starts_with('/') || name.starts_with('\\')) return false;
    if (name.size() >= 2 && name[1] == ':') return false;  // a drive prefix
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

std::optional<CFileBytes> ReadFileNoCase(const std::string& strPath) {
    bool bMissing = false;
    std::optional<CFileBytes> bytes = ReadWholeFile(strPath, &bMissing);
    if (bytes || !bMissing) return bytes;
    const std::string strSmall = WithSmallLetters(strPath);
    if (strSmall != strPath) {
        bytes = ReadWholeFile(strSmall, &bMissing);
        if (bytes || !bMissing) return bytes;
    }
    const std::optional<std::string> strFound = FindEntryNoCase(strPath);
    if (!strFound) return std::nullopt;
    return ReadWholeFile(*strFound);
}

}  // namespace sorvanta
