// What the core asks of the file system, in one place: one implementation
// for POSIX systems (filesystem_posix.cpp) and one for Windows
// (filesystem_win32.cpp). Paths are UTF-8. The file reading itself,
// ReadWholeFile, belongs here too; filereading.h declares it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvanta {

// The separator the core joins paths with, and every character that
// separates the components of a path ("/"; on Windows "\" and "/").
extern const char kPathSeparator;
extern const std::string_view kPathSeparators;

// `strFolder`, the separator, `name`: nothing is normalised, so a folder that
// ends with a separator gives a doubled one.
std::string JoinPath(std::string_view strFolder, std::string_view name);

// A UTF-8 path as the standard library's path (wide on Windows), and back.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

enum class PathKind {
    Missing,
    Folder,
    File,        // a regular file
    Link,        // a symbolic link or another redirection, not followed (listings only)
    Other,       // a device, a pipe, a socket
    Unreadable,  // something stands there, but it cannot be looked at
};

// What stands at the path, links followed. A device name such as "NUL" is
// Other, never a file.
PathKind KindOfPath(const std::string& strPath);

struct CFolderEntry {
    std::string m_strName;
    PathKind m_kind;  // links not followed
};

// The entries of a folder other than "." and "..", in the order the platform
// gives them; nothing when the folder cannot be listed. "" lists the current
// folder.
std::optional<std::vector<CFolderEntry>> ListFolder(const std::string& strFolder);

// What two paths to the same folder have in common (device and inode, or
// volume and file index); nothing when the path cannot be looked at.
using CFileIdentity = std::pair<std::uint64_t, std::uint64_t>;
std::optional<CFileIdentity> IdentityOfPath(const std::string& strPath);

enum class RenameResult { Renamed, NameTaken, Failed };

// Renames a file, but never over another one.
RenameResult RenameWithoutReplacing(const std::string& strFrom, const std::string& strTo);

}  // namespace sorvanta
