#include "support/tempdir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/codec.h"

namespace sorvanta::test {

CTempDir::CTempDir() {
    std::string strTemplate = (std::filesystem::temp_directory_path() / "sorvanta-test-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
    m_strPath = strTemplate;
}

CTempDir::~CTempDir() {
    std::error_code error;
    std::filesystem::remove_all(m_strPath, error);
}

std::string CTempDir::Write(const std::string& strRelative, const std::string& strContent) const {
    const std::filesystem::path path = std::filesystem::path(m_strPath) / strRelative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << strContent;
    return path.string();
}

std::string CTempDir::MakeDir(const std::string& strRelative) const {
    const std::filesystem::path path = std::filesystem::path(m_strPath) / strRelative;
    std::filesystem::create_directories(path);
    return path.string();
}

std::string FileContents(const std::string& strPath) {
    std::ostringstream contents;
    contents << std::ifstream(strPath, std::ios::binary).rdbuf();
    return contents.str();
}

std::string Cp(const std::string& strUtf8) {
    return Utf8ToCp1251(strUtf8);
}

}  // namespace sorvanta::test
