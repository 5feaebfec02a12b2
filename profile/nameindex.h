// Where each name stands in a list, found by a view of the name without a
// copy: a profile of many keys or groups is read in linear time.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sorvanta {

struct CNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

using CNameIndex = std::unordered_map<std::string, std::size_t, CNameHash, std::equal_to<>>;

}  // namespace sorvanta
