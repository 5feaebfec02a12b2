// Replacing a file's contents so that its name always holds either the old
// contents or the new ones, whole: never a part of either.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace sorvanta {

// A new file is written beside the old one as "<name>" + kNewFileMark and
// kUniqueTailLength characters that make its name unique.
inline constexpr std::string_view kNewFileMark = ".new-";
inline constexpr std::size_t kUniqueTailLength = 6;

struct CFileWrite {
    bool m_bWritten = false;
    std::string m_strFailure;  // the step that failed and why, when not written
};

// Writes `contents` to a new file in the folder of `strPath` (the folder is
// created when missing), flushes it to the disk, closes it, checking every
// step, and only then renames it over the old file. A symbolic link is
// followed, so the file it names is replaced and the link stays. The new
// file gets the old one's permissions (owner only for a new one). When any
// step fails, or `strPath` names something other than a regular file, a file
// that may not be written (read-only) or a link that names no file, what
// stands at the name stays as it was and the new file is removed.
CFileWrite WriteFileAtomically(const std::string& strPath, std::string_view contents);

// Removes the new files that writes of this file cut off by a kill left
// beside it ("<name>.new-XXXXXX"), once they are a minute old: by then no
// write of them is under way.
void RemoveUnfinishedWrites(const std::string& strPath);

// Whether `strPath` is a symbolic link that names no file.
bool IsDanglingLink(const std::string& strPath);

// The file a symbolic link names, or the path itself, made absolute.
std::filesystem::path FollowedPath(const std::string& strPath);

}  // namespace sorvanta
