// The shell's folder browser with a caption, a title line, a root folder, a
// folder selected at opening, a status line and a check of every selection
// that can refuse it.
#pragma once

#include <windows.h>

#include <string>

namespace sorvanta {

class CFolderPicker {
public:
    virtual ~CFolderPicker() = default;

    std::wstring m_strCaption;        // the browser window's caption; empty keeps the shell's
    std::wstring m_strPath;           // the chosen folder after Browse returned TRUE
    std::wstring m_strRoot;           // top of the tree; empty is the desktop
    std::wstring m_strInitialFolder;  // selected at opening; empty selects nothing
    std::wstring m_strTitle;          // the line above the tree; empty shows "Open"
    int m_nImage = 0;                 // the chosen folder's image in the system image list
    int m_bStatusText = 0;            // nonzero asks for the status line

    // TRUE when a folder with a file-system path was chosen.
    BOOL Browse(HWND hOwner);

protected:
    // Whether the folder just selected ("" when it has no file-system path)
    // may be chosen; `strStatus` is shown in the status line when there is one.
    virtual BOOL CheckSelection(const std::wstring& strPath, std::wstring& strStatus);

private:
    static int CALLBACK BrowseCallback(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData);
};

}  // namespace sorvanta
