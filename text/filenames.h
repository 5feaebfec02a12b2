// Finding the host's files whatever the letter case of their names, as the
// host's own platform does.
#pragma once

#include <string>

namespace sorvanta {

// `strPath` itself when it exists; otherwise the path whose last component is
// the one directory entry of the parent directory whose name, upper-cased in
// code page 1251, equals the wanted name upper-cased (the first such entry in
// byte order when several do). When nothing matches, `strPath` unchanged, so
// that opening it fails as it would have.
std::string FindFileNoCase(const std::string& strPath);

}  // namespace sorvanta
