// Replacing a file on Windows: a new file created beside the old one (never
// over another), flushed, then moved over the old one in one step.
#include <windows.h>

#include "profile/atomicfile.h"
#include "text/filesystem.h"

namespace sorvanta {

namespace {

constexpr int kMaxNameAttempts = 100;

std::string Describe(const std::string& strStep, DWORD nError) {
    return strStep + ": system error " + std::to_string(nError);
}

CFileWrite Failure(std::string strFailure) {
    return {false, std::move(strFailure)};
}

// A tail of letters and digits for the new file's name, from the time and a
// counter, so that two writers rarely meet and a meeting is only a retry.
std::string UniqueTail(unsigned nAttempt) {
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned long long nSeed = ::GetTickCount64() * 7919ULL + ::GetCurrentProcessId() * 104729ULL + nAttempt;
    std::string strTail;
    for (std::size_t i = 0; i < kUniqueTailLength; ++i, nSeed /= kDigits.size()) {
        strTail += kDigits[nSeed % kDigits.size()];
    }
    return strTail;
}

bool WriteAll(HANDLE hFile, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD nChunk = contents.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(contents.size());
        DWORD nWritten = 0;
        if (!::WriteFile(hFile, contents.data(), nChunk, &nWritten, nullptr) || nWritten == 0) return false;
        contents.remove_prefix(nWritten);
    }
    return true;
}

}  // namespace

CFileWrite WriteFileAtomically(const std::string& strPath, std::string_view contents) {
    if (IsDanglingLink(strPath)) return Failure("it is a symbolic link that names no file");
    const std::filesystem::path target = FollowedPath(strPath);
    const DWORD nAttributes = ::GetFileAttributesW(target.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Failure("it is not a regular file");
    }
    if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Failure("the file is read-only");
    }
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) return Failure("creating the folder: " + error.message());

    std::wstring temporary;
    HANDLE hFile = INVALID_HANDLE_VALUE;
    for (unsigned nAttempt = 0; hFile == INVALID_HANDLE_VALUE && nAttempt < kMaxNameAttempts; ++nAttempt) {
        temporary = target.wstring() + PathFromUtf8(std::string(kNewFileMark) + UniqueTail(nAttempt)).wstring();
        hFile = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (hFile == INVALID_HANDLE_VALUE) return Failure(Describe("creating the new file", ::GetLastError()));

    std::string strFailure;
    if (!WriteAll(hFile, contents)) {
        strFailure = Describe("writing the new file", ::GetLastError());
    } else if (!::FlushFileBuffers(hFile)) {
        strFailure = Describe("flushing the new file to the disk", ::GetLastError());
    }
    if (!::CloseHandle(hFile) && strFailure.empty()) strFailure = Describe("closing the new file", ::GetLastError());
    if (strFailure.empty() &&
        !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        strFailure = Describe("renaming the new file over the old one", ::GetLastError());
    }
    if (!strFailure.empty()) {
        ::DeleteFileW(temporary.c_str());
        return Failure(std::move(strFailure));
    }
    return {true, {}};
}

}  // namespace sorvanta
