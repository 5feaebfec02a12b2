#include "text/filereading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace sorvanta {

namespace {

class CDescriptor {
public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

std::optional<CFileBytes> ReadWholeFile(const std::string& strPath, bool* pMissing) {
    // Non-blocking, so that a pipe of that name cannot hold the reader; only
    // regular files are read.
    const CDescriptor file(::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (pMissing != nullptr) *pMissing = file.Get() < 0 && errno == ENOENT;
    if (file.Get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize) return std::nullopt;

    // Ask for the length and read that many bytes; the bytes actually read
    // make the result (a file that shrank meanwhile gives fewer, one that
    // grew gives no more).
    const auto nLength = static_cast<std::size_t>(info.st_size);
    auto pBytes = std::make_unique_for_overwrite<char[]>(nLength == 0 ? 1 : nLength);
    std::size_t nRead = 0;
    while (nRead < nLength) {
        const ssize_t got = ::read(file.Get(), pBytes.get() + nRead, nLength - nRead);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        nRead += static_cast<std::size_t>(got);
    }
    return CFileBytes(std::move(pBytes), nRead);
}

bool CTextLines::Next(std::string_view& line) {
    if (m_nPos >= m_text.size()) return false;
    std::size_t end = m_text.find('\n', m_nPos);
    const std::size_t next = end == std::string_view::npos ? m_text.size() : end + 1;
    if (end == std::string_view::npos)
        end = m_text.size();
    else if (end > m_nPos && m_text[end - 1] == '\r')
        --end;
    line = m_text.substr(m_nPos, end - m_nPos);
    m_nPos = next;
    return true;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    CTextLines reader(text);
    for (std::string_view line; reader.Next(line);) lines.push_back(line);
    return lines;
}

}  // namespace sorvanta
