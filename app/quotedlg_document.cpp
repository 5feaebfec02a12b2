// Straight into the document: the window the person wrote in is remembered
// when the main window is called up, and the quotation is pasted into it
// after the copy; a reference selected in it is replaced by its quotation.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "app/quotedlg.h"
#include "platform/log.h"
#include "session/selectedtext.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

namespace sorvanta {

namespace {

// How long the paste waits for the window to have the focus and for the hot
// key's modifiers to be let go: 100 looks, 20 ms apart.
constexpr int kPasteLookInterval = 20;
constexpr int kPasteLooks = 100;

bool IsOwnWindow(std::uint64_t window) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [window](const QWidget* pWidget) { return pWidget->internalWinId() == window; });
}

}  // namespace

void CQuoteDlg::RememberWriterWindow() {
    if (m_session.m_quotation.m_bPasteIntoDocument == 0 || !m_pDocuments) {
        m_nWriterWindow = 0;
        return;
    }
    // Called up again from its own window, it keeps the writer's.
    const std::uint64_t window = m_pDocuments->ActiveWindow();
    if (!IsOwnWindow(window)) m_nWriterWindow = window;
    m_pDocuments->PrepareToPaste(false);
}

void CQuoteDlg::PasteIntoWriterWindow() {
    const std::uint64_t window = std::exchange(m_nWriterWindow, 0);
    if (window == 0 || !m_pDocuments || !m_pDocuments->Activate(window)) {
        m_bReplacing = false;
        return;
    }
    auto* pTimer = new QTimer(this);
    connect(pTimer, &QTimer::timeout, this, [this, pTimer, window, nLooks = 0]() mutable {
        const bool bReady = m_pDocuments->ReadyForPaste(window);
        if (bReady) m_pDocuments->SendPasteKey();
        if (bReady || ++nLooks >= kPasteLooks) {
            if (!bReady) qCWarning(lcSorvanta, "the writer's window did not get the focus: nothing pasted");
            pTimer->deleteLater();
            m_bReplacing = false;
        }
    });
    pTimer->start(kPasteLookInterval);
}

void CQuoteDlg::ReplaceSelectedReference() {
    // One at a time: a press while a lookup, its message or its paste is
    // under way is not another request.
    if (m_bReplacing || !m_pDocuments) return;
    m_bReplacing = true;
    const QMimeData* pData = QGuiApplication::clipboard()->mimeData(QClipboard::Selection);
    const QString text = pData == nullptr ? QString() : pData->text();
    const bool bDataWithoutText = pData != nullptr && !pData->hasText() && !pData->formats().isEmpty();
    const CSelectionProblem problem =
        ProblemOfSelection(std::u16string_view(QStringView(text).utf16(), text.size()), bDataWithoutText);
    if (text.trimmed().isEmpty() || problem != CSelectionProblem::None) {
        if (problem != CSelectionProblem::None)
            AfxMessageBox(ToQString(SelectionProblemMessage(problem), TextEncoding::Utf8));
        m_bReplacing = false;
        return;
    }
    const std::uint64_t window = m_pDocuments->ActiveWindow();
    m_nWriterWindow = IsOwnWindow(window) ? 0 : window;
    m_comboVerse->setEditText(text);
    // Not found: the lookup has told why, once.
    if (LookUpAndCopy() == 0) {
        m_nWriterWindow = 0;
        m_bReplacing = false;
    }
}

}  // namespace sorvanta
