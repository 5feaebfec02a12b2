#include "modules/markers.h"

#include "modules/keyline.h"
#include "text/filenames.h"
#include "text/filereading.h"

namespace sorvanta {

bool ReadModuleMarkers(const std::string& strIniPath, ModuleMarkers& markers) {
    const std::optional<CFileBytes> content = ReadFileNoCase(strIniPath);
    if (!content) return false;
    for (std::string_view line : SplitTextLines(content->View())) {
        const std::size_t commentPos = CommentPosition(line);
        if (const auto chapter = KeyLineValue(line, kChapterSignKey, commentPos)) {
            markers.m_strChapterSign = *chapter;
        }
        if (const auto verse = KeyLineValue(line, kVerseSignKey, commentPos)) {
            markers.m_strVerseSign = *verse;
        }
    }
    return true;
}

}  // namespace sorvanta
