// Replacing a file on POSIX systems: mkostemp, fsync, rename.
#include "profile/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace sorvanta {

namespace {

std::string Describe(const std::string& strStep, int nError) {
    return strStep + ": " + std::strerror(nError);
}

CFileWrite Failure(std::string strFailure) {
    return {false, std::move(strFailure)};
}

// Whether the file's permissions let this user write it; a file without any
// write permission counts as read-only for the superuser too.
bool MayBeWritten(const std::filesystem::path& file, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(file.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;
        if (written <= 0) return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Fills, flushes and closes the new file: what failed, or "" when all went well.
std::string FillAndClose(int fd, std::optional<mode_t> mode, std::string_view contents) {
    std::string strFailure;
    if (mode && ::fchmod(fd, *mode) != 0) {
        strFailure = Describe("setting the new file's permissions", errno);
    } else if (!WriteAll(fd, contents)) {
        strFailure = Describe("writing the new file", errno);
    } else if (::fsync(fd) != 0) {
        strFailure = Describe("flushing the new file to the disk", errno);
    }
    if (::close(fd) != 0 && strFailure.empty()) strFailure = Describe("closing the new file", errno);
    return strFailure;
}

}  // namespace

CFileWrite WriteFileAtomically(const std::string& strPath, std::string_view contents) {
    if (IsDanglingLink(strPath)) return Failure("it is a symbolic link that names no file");
    const std::filesystem::path target = FollowedPath(strPath);
    std::optional<mode_t> mode;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return Failure("it is not a regular file");
        if (!MayBeWritten(target, info)) return Failure("the file is read-only");
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Failure(Describe("looking at the old file", errno));
    }
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) return Failure("creating the folder: " + error.message());

    std::string strTemporary = target.string() + std::string(kNewFileMark) + std::string(kUniqueTailLength, 'X');
    const int fd = ::mkostemp(strTemporary.data(), O_CLOEXEC);
    if (fd < 0) return Failure(Describe("creating the new file", errno));
    std::string strFailure = FillAndClose(fd, mode, contents);
    if (strFailure.empty() && ::rename(strTemporary.c_str(), target.c_str()) != 0) {
        strFailure = Describe("renaming the new file over the old one", errno);
    }
    if (!strFailure.empty()) {
        ::unlink(strTemporary.c_str());
        return Failure(std::move(strFailure));
    }
    // The rename is done; writing the folder to the disk only makes it last
    // through a power failure sooner, so its failure is not the file's.
    const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {true, {}};
}

}  // namespace sorvanta
