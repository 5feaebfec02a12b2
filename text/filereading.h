// Read-only access to the host's files: a book file read whole, and a
// configuration file read line by line in text mode.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

// The bytes of a file read whole, unchanged.
class CFileBytes {
public:
    CFileBytes(std::unique_ptr<char[]> pBytes, std::size_t nSize) : m_pBytes(std::move(pBytes)), m_nSize(nSize) {}
    std::string_view View() const { return {m_pBytes.get(), m_nSize}; }

private:
    std::unique_ptr<char[]> m_pBytes;
    std::size_t m_nSize;
};

// The largest file that is read: 64 MiB, far above the largest real book
// (well under 10 MB). A larger file is treated like one that cannot be opened,
// and nothing is allocated for it.
inline constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

// The file's bytes, or nothing when the file is missing, is not a regular
// file (a directory, a pipe), is larger than kMaxFileSize or cannot be read.
// Opened read-only. On failure `pMissing` (if given) tells whether no file of
// that name exists.
std::optional<CFileBytes> ReadWholeFile(const std::string& strPath, bool* pMissing = nullptr);

// Splits text into lines the way a text-mode reader gives them: a line ends
// at LF, a CR just before the LF belongs to the line end, a last line
// without an end is given like the others.
std::vector<std::string_view> SplitTextLines(std::string_view text);

// The same lines one at a time, without building a list.
class CTextLines {
public:
    explicit CTextLines(std::string_view text) : m_text(text) {}
    // The next line, or false at the end of the text.
    bool Next(std::string_view& line);

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
};

}  // namespace sorvanta
