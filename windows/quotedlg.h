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

namespace sorvanta {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 10;  // 1034
inline constexpr UINT kTrayIconId = 101;
inline constexpr int kHotkeyLaunch = 1;   // Ctrl+Alt+character: start the host
inline constexpr int kHotkeyRestore = 2;  // Win+character: bring the window back
inline constexpr int kHotkeyReplace = 3;  // Win+Shift+character: quote the selected reference in its place
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
    void OnOK();
    void OnSettings();
    void OnCommand(WORD nId, WORD nCode);
    void OnRequest(CInstanceRequest request);

    // Modules and the reference history
    void ScanModules();
    void FillHistory();
    // The selected module's abbreviations, offered while the book is typed.
    void OfferBookAbbreviations();
    void ShowMessages(const std::vector<std::string>& arrMessages);

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

    // The caption's minimise button (quotedlg_caption.cpp)
    void DrawCaptionButton() const;
    bool IsOnCaptionButton(POINT screenPos) const;

    CQuoteSession& m_session;
    CBookComplete m_bookComplete;
    CFoundVersesList m_foundVerses;
    UINT m_nTaskbarCreated = 0;
    bool m_bTrayShown = false;  // the tray took the icon; without a tray the window minimises
    bool m_bDestroyed = false;
};

}  // namespace sorvanta
