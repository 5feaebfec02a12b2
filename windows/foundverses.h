// The verses a search by words found, offered under the reference field as a
// list to choose from: reference and the start of the verse on each line.
// The keyboard stays in the field, as with a combo box's own list: while the
// list is shown, Up, Down, Page Up and Page Down move through it, Enter
// chooses the line and Escape closes the list and nothing else. A click
// chooses the line clicked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sorvanta {

class CFoundVersesList {
public:
    // Choosing a line posts WM_COMMAND with nCommandId to the owner, after
    // the list is closed; ChosenReference tells which.
    explicit CFoundVersesList(WORD nCommandId) : m_nCommandId(nCommandId) {}
    ~CFoundVersesList();
    CFoundVersesList(const CFoundVersesList&) = delete;
    CFoundVersesList& operator=(const CFoundVersesList&) = delete;

    // Shows the lines under the field (a child of its owner window), the
    // first one selected; references and starts go together.
    void Show(HWND hField, std::vector<std::wstring> arrReferences, const std::vector<std::wstring>& arrStarts);
    void Close();
    const std::wstring& ChosenReference() const { return m_chosen; }

    // Called for each message before it is dispatched: true when it was a
    // key of the list's, which then goes no further.
    bool PreTranslateMessage(const MSG& msg);
    // Called for each message of the owner: the list closes when the owner
    // hides, moves or loses the activation, and when the field is edited,
    // drops its own list or loses the focus.
    void OnOwnerMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK ListProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    bool IsShown() const { return m_hList != nullptr && IsWindowVisible(m_hList) != FALSE; }
    void Create(HWND hOwner);
    void Place(const std::vector<std::wstring>& arrLines);
    void Choose();

    WORD m_nCommandId;
    HWND m_hList = nullptr;
    HWND m_hField = nullptr;
    WNDPROC m_pListBoxProc = nullptr;
    std::vector<std::wstring> m_arrReferences;
    std::wstring m_chosen;
};

}  // namespace sorvanta
