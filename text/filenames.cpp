#include "text/filenames.h"

#include <algorithm>

#include "text/bytestring.h"
#include "text/codec.h"
#include "text/filesystem.h"

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

// Where the last component of a path starts.
std::size_t NameStart(std::string_view strPath) {
    const std::size_t separator = strPath.find_last_of(kPathSeparators);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// A name in a folder; "" is the current folder.
std::string PathInFolder(const std::string& strFolder, std::string_view name) {
    return strFolder.empty() ? std::string(name) : JoinPath(strFolder, name);
}

// The path with its last component in small letters; the path itself when
// the name has characters that code page 1251 lacks.
std::string WithSmallLetters(const std::string& strPath) {
    const std::size_t nameStart = NameStart(strPath);
    const std::string_view name = std::string_view(strPath).substr(nameStart);
    const std::string strName = Utf8ToCp1251(name);
    if (Cp1251ToUtf8(strName) != name) return strPath;
    return strPath.substr(0, nameStart) + Cp1251ToUtf8(MakeLower(strName));
}

// The path whose last component is the first directory entry, in byte order,
// with the same name upper-cased; nothing when there is none.
std::optional<std::string> FindEntryNoCase(const std::string& strPath) {
    const std::size_t nameStart = NameStart(strPath);
    const std::string_view name = std::string_view(strPath).substr(nameStart);
    if (name.empty()) return std::nullopt;
    const std::optional<std::vector<CFolderEntry>> arrEntries = ListFolder(strPath.substr(0, nameStart));
    if (!arrEntries) return std::nullopt;
    const std::string strWanted = NameKey(name);
    std::optional<std::string> strBest;
    for (const CFolderEntry& entry : *arrEntries) {
        const std::string& strName = entry.m_strName;
        if (HasKey(strName, strWanted) && (!strBest || strName < *strBest)) strBest = strName;
    }
    if (!strBest) return std::nullopt;
    return strPath.substr(0, nameStart) + *strBest;
}

}  // namespace

std::string FindFileNoCase(const std::string& strPath) {
    if (KindOfPath(strPath) != PathKind::Missing) return strPath;
    // The usual case on this platform: the file's name is in small letters.
    const std::string strSmall = WithSmallLetters(strPath);
    if (KindOfPath(strSmall) != PathKind::Missing) return strSmall;
    return FindEntryNoCase(strPath).value_or(strPath);
}

CFolderFiles::CFolderFiles(const std::string& strFolder) {
    const std::optional<std::vector<CFolderEntry>> arrEntries = ListFolder(strFolder);
    if (!arrEntries) return;
    for (const CFolderEntry& entry : *arrEntries) {
        // A link counts when it leads to a regular file.
        const bool bFile =
            entry.m_kind == PathKind::File ||
            (entry.m_kind == PathKind::Link && KindOfPath(PathInFolder(strFolder, entry.m_strName)) == PathKind::File);
        if (bFile) m_keys.insert(NameKey(entry.m_strName));
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
