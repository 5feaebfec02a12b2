// The main window: the reference field, the module list, the tray icon, the
// hot keys and the caption's own minimise button. What it decides without
// drawing is the session's.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <memory>

#include "session/quotesession.h"
#include "session/startrequest.h"
#include "windows/bookcomplete.h"
#include "windows/dialog.h"
#include "windows/foundverses.h"
#include "windows/hookwnd.h"
#include "windows/selectioncopy.h"

namespace sorvanta {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 10;  // 1034
inline constexpr UINT kTrayIconId = 101;
inline constexpr int kHotkeyLaunch = 1;   // Ctrl+Alt+character: start the host
inline constexpr int kHotkeyRestore = 2;  // Win+character: bring the window back
inline constexpr int kHotkeyReplace = 3;  // Win+Shift+character: quote the selected reference in its place
// The timer of the steps that wait for another program's window.
inline constexpr UINT_PTR kDocumentTimer = 1;
// WM_COPYDATA from a later start carries this and one request line.
inline constexpr ULONG_PTR kRequestCopyData = 0x536F7276;
// The property that marks the main window for a later start to find.
inline constexpr const wchar_t* kMainWindowProperty = L"Sorvanta.CQuoteDlg";

class CQuoteDlg : public CDialog {
public:
    explicit CQuoteDlg(CQuoteSession& session);
    ~CQuoteDlg() override;

    // Creates the window and runs its messages until it is closed.
    void RunModalLoop();

    std::unique_ptr<CHookWnd> m_pHook;
    HICON m_hIcon = nullptr;
    HBITMAP m_bmpCaption = nullptr;
    NOTIFYICONDATAW m_nid{};

protected:
    INT_PTR OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnInitDialog();
    void OnDestroy();
    // False when nothing was found (the reasons shown).
    bool OnOK();
    void OnSettings();
    void OnCommand(WORD nId, WORD nCode);
    void OnRequest(CInstanceRequest request);

    // Modules and the reference history
    void ScanModules();
    void FillHistory();
    // The selected module's abbreviations, offered while the book is typed.
    void OfferBookAbbreviations();
    void ShowMessages(const std::vector<std::string>& arrMessages);
    // The line below the buttons: what OK would quote for the field's text,
    // or for the history entry being chosen (quotedlg_preview.cpp).
    void UpdatePreview(bool bChoosing = false);

    // Words typed instead of a reference: the verses found, listed under the
    // reference field; choosing one quotes it as if its reference were typed
    // (quotedlg_find.cpp).
    void ShowFoundVerses(const COkResult& result);
    void QuoteFoundVerse();

    // Tray, hot keys and window states (quotedlg_tray.cpp)
    void RegisterHotkeys();
    void InitTrayIcon();
    void AddTrayIcon();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void ShowTrayMenu();
    void OnSize(WPARAM nType);
    void HideToTray();
    void BringToFront();
    bool PreTranslateMessage(const MSG& msg);

    // Straight into the document (quotedlg_document.cpp)
    // Remembers the foreground window when the window is called up, another
    // program's (with PasteIntoDocument on); called up from its own, it keeps
    // the one remembered before.
    void RememberWriterWindow();
    // Makes the remembered window the foreground window again and pastes the
    // clipboard into it once it is and the hot key's modifiers are let go.
    // Nothing when none is remembered or it is gone.
    void PasteIntoWriterWindow();
    // Hot key 3: the foreground program's selection is copied, looked up as if
    // typed and its quotation pasted over it.
    void ReplaceSelectedReference();
    enum class CDocumentStep {
        None,
        KeysUp,   // the hot key's keys let go in the writer's window: its selection is copied
        Copying,  // the copy reaches the clipboard
        Pasting,  // the writer's window is the foreground window again: the quotation is pasted
    };
    void StartDocumentStep(CDocumentStep step);
    void OnDocumentTimer();
    void LookUpCopiedSelection(const CCopiedSelection& copied);
    // Ends whatever is under way; the next press of hot key 3 is heard.
    void EndDocumentSteps();

    // The caption's minimise button (quotedlg_caption.cpp)
    void DrawCaptionButton() const;
    bool IsOnCaptionButton(POINT screenPos) const;

    CQuoteSession& m_session;
    CBookComplete m_bookComplete;
    CFoundVersesList m_foundVerses;
    UINT m_nTaskbarCreated = 0;
    bool m_bTrayShown = false;  // the tray took the icon; without a tray the window minimises
    bool m_bDestroyed = false;
    HWND m_hWriterWindow = nullptr;  // pasted into after the next copy
    bool m_bReplacing = false;       // a selected reference is being replaced: one at a time
    CDocumentStep m_documentStep = CDocumentStep::None;
    HWND m_hKeysTarget = nullptr;  // where the step's keys go
    int m_nDocumentLooks = 0;
    DWORD m_nClipboardSequence = 0;       // before the selection was copied
    CClipboardContents m_savedClipboard;  // put back once the selection is read
};

}  // namespace sorvanta
