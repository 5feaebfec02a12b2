#include "support/tempdir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "text/codec.h"
#include "text/filesystem.h"

namespace sorvanta::test {

namespace {

constexpr int kMaxNameAttempts = 100;

}  // namespace

// A folder of a new random name; a name already taken is never reused.
CTempDir::CTempDir() {
    std::random_device random;
    for (int nAttempt = 0; nAttempt < kMaxNameAttempts && m_strPath.empty(); ++nAttempt) {
        const std::string strName = "sorvanta-test-" + std::to_string(random());
        const std::filesystem::path path = std::filesystem::temp_directory_path() / strName;
        if (std::filesystem::create_directory(path)) m_strPath = Utf8FromPath(path);
    }
    if (m_strPath.empty()) throw std::runtime_error("cannot create a temporary directory");
}

CTempDir::~CTempDir() {
    std::error_code error;
    std::filesystem::remove_all(PathFromUtf8(m_strPath), error);
}

// Paths are UTF-8 here as everywhere in the core, on Windows too.
std::string CTempDir::Write(const std::string& strRelative, const std::string& strContent) const {
    std::filesystem::path path = PathFromUtf8(m_strPath) / PathFromUtf8(strRelative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << strContent;
    return Utf8FromPath(path.make_preferred());
}

std::string CTempDir::MakeDir(const std::string& strRelative) const {
    std::filesystem::path path = PathFromUtf8(m_strPath) / PathFromUtf8(strRelative);
    std::filesystem::create_directories(path);
    return Utf8FromPath(path.make_preferred());
}

std::string Native(std::string strPath) {
    std::replace(strPath.begin(), strPath.end(), '/', kPathSeparator);
    return strPath;
}

std::string FileContents(const std::string& strPath) {
    std::ostringstream contents;
    contents << std::ifstream(PathFromUtf8(strPath), std::ios::binary).rdbuf();
    return contents.str();
}

std::string Cp(const std::string& strUtf8) {
    return Utf8ToCp1251(strUtf8);
}

}  // namespace sorvanta::test
