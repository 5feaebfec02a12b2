// Another program's selection copied through the clipboard: what the
// clipboard held is kept aside and put back once the selection is read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sorvanta {

// The clipboard's contents in every format held in memory blocks (text in
// all its forms, HTML, pictures as bitmaps with their header); the formats
// of handles of other kinds are left out.
class CClipboardContents {
public:
    // False when the clipboard could not be opened.
    bool Save(HWND hOwner);
    // Puts the contents back, the clipboard emptied first.
    bool Restore(HWND hOwner) const;

private:
    std::vector<std::pair<UINT, std::vector<BYTE>>> m_arrFormats;
};

// What was copied: its text (CF_UNICODETEXT up to its end), and whether the
// clipboard held data but no text. Nothing when it could not be opened.
struct CCopiedSelection {
    std::wstring text;
    bool bDataWithoutText = false;
};
std::optional<CCopiedSelection> ReadCopiedSelection(HWND hOwner);

}  // namespace sorvanta
