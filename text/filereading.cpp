#include "text/filereading.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <memory>

namespace sorvanta {

namespace {

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& strPath) {
    // Only regular files are read: a directory or a pipe of that name would
    // give a meaningless length, or block the reader.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(strPath), error)) return std::nullopt;
    std::unique_ptr<std::FILE, CFileCloser> file(std::fopen(strPath.c_str(), "rb"));
    if (!file) return std::nullopt;

    std::string content;
    // Ask for the length and read that many bytes straight into the result;
    // whatever follows (a file that grew, a file of unknown length) is
    // appended until the end is reached.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long length = std::ftell(file.get());
        std::rewind(file.get());
        if (length > 0) {
            content.resize(static_cast<std::size_t>(length));
            content.resize(std::fread(content.data(), 1, content.size(), file.get()));
        }
    }
    char buffer[16384];
    std::size_t got = 0;
    while (!std::ferror(file.get()) && (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, got);
    }
    if (std::ferror(file.get())) return std::nullopt;
    return content;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        else if (end > begin && text[end - 1] == '\r') --end;
        lines.push_back(text.substr(begin, end - begin));
        begin = next;
    }
    return lines;
}

}  // namespace sorvanta
