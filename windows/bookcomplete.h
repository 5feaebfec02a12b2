// The book abbreviations of the selected module, offered below the reference
// field by the shell's autocomplete while the book is typed. Only suggested:
// nothing is filled in unless the person picks an entry.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct IAutoComplete2;

namespace sorvanta {

class CBookEnum;

class CBookComplete {
public:
    CBookComplete() = default;
    ~CBookComplete();
    CBookComplete(const CBookComplete&) = delete;
    CBookComplete& operator=(const CBookComplete&) = delete;

    // Offers the list below the combo box's edit; without the shell's
    // autocomplete the field simply offers nothing.
    void Attach(HWND hCombo);
    // The list offered from now on.
    void SetWords(std::vector<std::wstring> arrWords);

private:
    CBookEnum* m_pWords = nullptr;
    IAutoComplete2* m_pAutoComplete = nullptr;
};

}  // namespace sorvanta
