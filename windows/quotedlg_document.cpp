// Straight into the document: the window the person wrote in is remembered
// when the main window is called up, and the quotation is pasted into it
// after the copy; a reference selected in it is copied through the
// clipboard, whose contents are put back, and replaced by its quotation.
#include <string_view>
#include <utility>

#include "session/selectedtext.h"
#include "windows/documentpaste.h"
#include "windows/messagebox.h"
#include "windows/quotedlg.h"
#include "windows/resource.h"
#include "windows/wintext.h"

namespace sorvanta {

namespace {

// How long a step waits for the other program: 100 looks, 20 ms apart.
constexpr UINT kDocumentLookInterval = 20;
constexpr int kDocumentLooks = 100;

bool IsBlank(std::wstring_view text) {
    return text.find_first_not_of(L" \t\r\n") == std::wstring_view::npos;
}

}  // namespace

void CQuoteDlg::RememberWriterWindow() {
    if (m_session.m_quotation.m_bPasteIntoDocument == 0) {
        m_hWriterWindow = nullptr;
        return;
    }
    // Called up again from its own window, it keeps the writer's.
    const HWND hForeground = GetForegroundWindow();
    if (hForeground == nullptr || !IsOfThisProgram(hForeground)) m_hWriterWindow = ForegroundWindowOfOtherProgram();
}

void CQuoteDlg::PasteIntoWriterWindow() {
    const HWND hWindow = std::exchange(m_hWriterWindow, nullptr);
    if (!BringBackWindow(hWindow)) {
        EndDocumentSteps();
        return;
    }
    m_hKeysTarget = hWindow;
    StartDocumentStep(CDocumentStep::Pasting);
}

void CQuoteDlg::ReplaceSelectedReference() {
    // One at a time: a press while a copy, a lookup, its message or its paste
    // is under way is not another request.
    if (m_bReplacing || m_documentStep != CDocumentStep::None) return;
    const HWND hWindow = ForegroundWindowOfOtherProgram();
    if (hWindow == nullptr) return;  // no other program's selection to copy
    m_bReplacing = true;
    m_hKeysTarget = hWindow;
    StartDocumentStep(CDocumentStep::KeysUp);
}

void CQuoteDlg::StartDocumentStep(CDocumentStep step) {
    m_documentStep = step;
    m_nDocumentLooks = 0;
    SetTimer(m_hWnd, kDocumentTimer, kDocumentLookInterval, nullptr);
}

void CQuoteDlg::EndDocumentSteps() {
    KillTimer(m_hWnd, kDocumentTimer);
    m_documentStep = CDocumentStep::None;
    m_hKeysTarget = nullptr;
    m_bReplacing = false;
}

void CQuoteDlg::OnDocumentTimer() {
    const bool bLastLook = ++m_nDocumentLooks >= kDocumentLooks;
    switch (m_documentStep) {
        case CDocumentStep::None: KillTimer(m_hWnd, kDocumentTimer); return;
        case CDocumentStep::KeysUp:
            if (ReadyForKeys(m_hKeysTarget)) {
                // What cannot be kept aside is not overwritten.
                if (!m_savedClipboard.Save(m_hWnd)) return EndDocumentSteps();
                m_nClipboardSequence = GetClipboardSequenceNumber();
                SendControlKey('C');
                StartDocumentStep(CDocumentStep::Copying);
            } else if (bLastLook) {
                LogNote(L"the writer's window lost the foreground before its selection was copied");
                EndDocumentSteps();
            }
            return;
        case CDocumentStep::Copying: {
            // Nothing selected, nothing copied: the clipboard never changes.
            if (GetClipboardSequenceNumber() == m_nClipboardSequence) {
                if (bLastLook) EndDocumentSteps();
                return;
            }
            const std::optional<CCopiedSelection> copied = ReadCopiedSelection(m_hWnd);
            if (!copied && !bLastLook) return;  // the other program still has the clipboard open
            KillTimer(m_hWnd, kDocumentTimer);
            m_documentStep = CDocumentStep::None;
            m_savedClipboard.Restore(m_hWnd);
            m_savedClipboard = {};
            if (copied) return LookUpCopiedSelection(*copied);
            return EndDocumentSteps();
        }
        case CDocumentStep::Pasting:
            if (ReadyForKeys(m_hKeysTarget)) {
                SendControlKey('V');
                EndDocumentSteps();
            } else if (bLastLook) {
                LogNote(L"the writer's window did not become the foreground window: nothing pasted");
                EndDocumentSteps();
            }
            return;
    }
}

void CQuoteDlg::LookUpCopiedSelection(const CCopiedSelection& copied) {
    const CSelectionProblem problem = ProblemOfSelection(std::wstring_view(copied.text), copied.bDataWithoutText);
    if (problem != CSelectionProblem::None) AfxMessageBox(m_hWnd, WideOfUtf8(SelectionProblemMessage(problem)));
    if (problem != CSelectionProblem::None || IsBlank(copied.text)) return EndDocumentSteps();
    // Looked up as if typed; the quotation goes where the selection was.
    SetDlgItemTextW(m_hWnd, IDC_VERSE, copied.text.c_str());
    m_hWriterWindow = m_hKeysTarget;
    if (!OnOK()) {
        m_hWriterWindow = nullptr;
        EndDocumentSteps();
    }
}

}  // namespace sorvanta
