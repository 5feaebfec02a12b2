#include "modules/keyline.h"

#include "text/bytestring.h"

namespace sorvanta {

std::size_t CommentPosition(std::string_view line) {
    return line.find("//");
}

std::optional<std::string_view> KeyLineValue(std::string_view line, std::string_view key, std::size_t commentPos) {
    const std::size_t keyPos = line.find(key);
    if (keyPos == std::string_view::npos) return std::nullopt;
    if (commentPos != std::string_view::npos && commentPos < keyPos) return std::nullopt;
    return Trim(line.substr(keyPos + key.size()));
}

std::optional<std::string_view> KeyLineValue(std::string_view line, std::string_view key) {
    return KeyLineValue(line, key, CommentPosition(line));
}

}  // namespace sorvanta
