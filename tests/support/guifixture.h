// Helpers for driving the real windows under the offscreen platform.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/quotedlg.h"
#include "profile/atomicfile.h"
#include "settings/settingsstore.h"
#include "support/recordinghotkeys.h"
#include "ui/messagebox.h"

namespace sorvanta::test {

inline const QString kDataRoot = QStringLiteral(SORVANTA_TEST_DATA "/root");

// The profile the program uses, emptied, with the values given.
inline void ResetProfile(const QVariantMap& values) {
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("sorvanta"));
    CProfile profile;
    for (auto it = values.begin(); it != values.end(); ++it) {
        profile.Group("Settings").SetValue(it.key().toStdString(), it.value().toString().toStdString());
    }
    WriteFileAtomically(SettingsProfilePath(), profile.Text());
}

// The main window, shown on a fresh profile whose module root is the test
// data (unless `settings` says otherwise), with a recording hot-key layer and
// a tray taken as available.
struct CWindowUnderTest {
    std::unique_ptr<CQuoteDlg> m_pDlg;
    CRecordingHotkeys* m_pHotkeys = nullptr;
};

inline CWindowUnderTest OpenWindow(const QVariantMap& settings = {}) {
    QVariantMap values{{"Directory", kDataRoot}};
    for (auto it = settings.begin(); it != settings.end(); ++it) values[it.key()] = it.value();
    ResetProfile(values);
    auto pHotkeys = std::make_unique<CRecordingHotkeys>();
    CWindowUnderTest window{nullptr, pHotkeys.get()};
    window.m_pDlg = std::make_unique<CQuoteDlg>(nullptr, std::move(pHotkeys), true);
    window.m_pDlg->show();
    return window;
}

// Records every message instead of showing a box.
class CMessageRecorder {
public:
    CMessageRecorder() : m_override([this](const QString& text) { m_messages << text; }) {}
    QStringList m_messages;

private:
    CMessageSinkOverride m_override;
};

// Types any text, Cyrillic included, one character at a time.
inline void TypeText(QWidget* pWidget, const QString& text) {
    for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, pWidget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// The child of `pParent` named `name`; a missing one ends the test run.
template <typename T>
T* Find(const QObject* pParent, const char* name) {
    T* pChild = pParent->findChild<T*>(QString::fromLatin1(name));
    if (pChild == nullptr) qFatal("no %s", name);
    return pChild;
}

// Types a reference into the main window's field and presses Enter.
inline void TypeAndPressEnter(CQuoteDlg& dlg, const QString& reference) {
    dlg.m_comboVerse->setEditText(QString());
    TypeText(dlg.m_comboVerse->lineEdit(), reference);
    QTest::keyClick(dlg.m_comboVerse->lineEdit(), Qt::Key_Return);
}

// Runs `action` on the next modal window that opens, from inside its own
// event loop.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal != nullptr) action(pModal);
    });
}

}  // namespace sorvanta::test
