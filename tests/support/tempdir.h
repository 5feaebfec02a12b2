// A temporary directory for one test, removed with everything in it.
#pragma once

#include <string>

namespace sorvanta::test {

class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_strPath; }
    // Writes `content` (bytes as given) to the relative path, creating folders.
    std::string Write(const std::string& strRelative, const std::string& strContent) const;
    std::string MakeDir(const std::string& strRelative) const;

private:
    std::string m_strPath;
};

// A path written with "/" as the core joins paths on this system (with "\"
// on Windows).
std::string Native(std::string strPath);

// Why a test that only makes sense on POSIX systems is skipped on Windows.
inline constexpr const char* kPosixOnly = "POSIX only: ";

// The whole content of a file, bytes as they stand.
std::string FileContents(const std::string& strPath);

// The code page 1251 bytes of a UTF-8 literal, for readable test data.
std::string Cp(const std::string& strUtf8);

}  // namespace sorvanta::test
