// Read-only access to the host's files: a book file read whole, and a
// configuration file read line by line in text mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

// The file's bytes, unchanged, or nothing when the file is missing, is not a
// regular file (a directory, a pipe) or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& strPath);

// Splits text into lines the way a text-mode reader gives them: a line ends
// at LF, a CR just before the LF belongs to the line end, a last line
// without an end is given like the others.
std::vector<std::string_view> SplitTextLines(std::string_view text);

}  // namespace sorvanta
