// What replacing a file whole does alike on every system: following a link
// to its file and clearing away what writes cut off left behind.
#include "profile/atomicfile.h"

#include <chrono>

#include "text/filesystem.h"

namespace sorvanta {

namespace {

constexpr auto kUnfinishedAge = std::chrono::minutes(1);

}  // namespace

std::filesystem::path FollowedPath(const std::string& strPath) {
    std::error_code error;
    const std::filesystem::path path = PathFromUtf8(strPath);
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? std::filesystem::absolute(path, error) : target;
}

bool IsDanglingLink(const std::string& strPath) {
    std::error_code error;
    const std::filesystem::path path = PathFromUtf8(strPath);
    return std::filesystem::is_symlink(path, error) && !std::filesystem::exists(path, error);
}

void RemoveUnfinishedWrites(const std::string& strPath) {
    const std::filesystem::path target = FollowedPath(strPath);
    const std::string strPrefix = Utf8FromPath(target.filename()) + std::string(kNewFileMark);
    const auto cutoff = std::filesystem::file_time_type::clock::now() - kUnfinishedAge;
    std::error_code error;
    for (std::filesystem::directory_iterator it(target.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string strName = Utf8FromPath(it->path().filename());
        if (strName.size() != strPrefix.size() + kUniqueTailLength || !strName.starts_with(strPrefix)) continue;
        std::error_code ignored;
        if (it->is_regular_file(ignored) && it->last_write_time(ignored) < cutoff) {
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

}  // namespace sorvanta
