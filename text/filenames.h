// Finding the host's files whatever the letter case of their names, as the
// host's own platform does.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "text/filereading.h"

namespace sorvanta {

// `strPath` itself when it exists; otherwise the path whose last component is
// the directory entry of the parent directory whose name, upper-cased in code
// page 1251, equals the wanted name upper-cased. Where several entries differ
// only in letter case: the name as given, then the name in small letters,
// then the first in byte order. When nothing matches, `strPath` unchanged, so
// that opening it fails as it would have.
std::string FindFileNoCase(const std::string& strPath);

// The name keys (native names upper-cased in code page 1251, the comparison
// FindFileNoCase makes) of the regular files in a folder, read with one
// listing: for checking many names against one folder.
class CFolderFiles {
public:
    explicit CFolderFiles(const std::string& strFolder);
    // Whether a regular file of that native name exists, whatever its letter case.
    bool Has(std::string_view name) const;

private:
    std::set<std::string> m_keys;
};

// Whether a file name written in a module's configuration file, taken
// relative to the module's folder, stays inside that folder: it is not
// absolute, has no drive or root prefix ("C:", "\\") and no ".." component,
// whichever separator ("/" or "\") divides it.
bool StaysInsideFolder(std::string_view name);

// Reads the file that FindFileNoCase would find, trying the names in the same
// order but opening each directly.
std::optional<CFileBytes> ReadFileNoCase(const std::string& strPath);

}  // namespace sorvanta
