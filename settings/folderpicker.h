// Choosing a directory in a tree of the file system's folders.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace sorvanta {

class CFolderPicker {
public:
    CFolderPicker() = default;
    virtual ~CFolderPicker() = default;
    CFolderPicker(const CFolderPicker&) = delete;
    CFolderPicker& operator=(const CFolderPicker&) = delete;

    QString m_strCaption;            // the window's caption; empty: "Обзор папок"
    std::string m_strPath;           // the chosen folder, after Browse returned true
    std::string m_strRoot;           // the folder at the top of the tree; empty: the whole file system
    std::string m_strInitialFolder;  // the folder selected at opening; empty: none
    QString m_strTitle;              // the line above the tree; empty: "Open"
    int m_nImage = 0;                // set to 0 on success: the tree has no icon list of its own
    int m_bStatusText = 0;           // nonzero: show a status line under the tree

    // Called on every selection change with the folder's path ("" when it has
    // none): true enables OK. `strStatusText` arrives empty and is shown in
    // the status line. This version accepts every folder.
    virtual bool CheckSelection(const std::string& strPath, QString& strStatusText);

    // Runs the picker modally over `pOwner`. False when the user cancels, when
    // the root does not exist (no window opens then), or when the chosen item
    // has no path.
    bool Browse(QWidget* pOwner);
};

// The initial folder as the picker selects it: white space at the end
// removed, then one trailing separator (the file system's root keeps its own).
std::string TrimInitialFolder(std::string strFolder);

}  // namespace sorvanta
