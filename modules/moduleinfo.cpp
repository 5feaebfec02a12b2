#include "modules/moduleinfo.h"

#include "modules/keyline.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace sorvanta {

CModuleInfo ReadModuleInfo(const std::string& strIniPath) {
    CModuleInfo info;
    std::optional<std::string_view> displayName;
    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return info;
    for (std::string_view line : SplitTextLines(content->View())) {
        const std::size_t commentPos = CommentPosition(line);
        if (const auto strong = KeyLineValue(line, kStrongNumbersKey, commentPos)) {
            info.m_bStrongNumbers = !strong->empty() && (strong->front() == 'Y' || strong->front() == 'y');
        }
        if (const auto shortName = KeyLineValue(line, kBibleShortNameKey, commentPos)) {
            info.m_strShortName = *shortName;
        }
        if (!displayName) displayName = KeyLineValue(line, kBibleNameKey, commentPos);
    }
    if (info.m_strShortName.empty() && displayName) info.m_strShortName = *displayName;
    return info;
}

}  // namespace sorvanta
