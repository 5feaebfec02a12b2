// Helpers for driving the real windows under the offscreen platform.
#pragma once

#include <QApplication>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/messagebox.h"

namespace sorvanta::test {

inline const QString kDataRoot = QStringLiteral(SORVANTA_TEST_DATA "/root");

// The profile the program uses, emptied, with the values given.
inline void ResetProfile(const QVariantMap& values) {
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("sorvanta"));
    QSettings profile;
    profile.clear();
    for (auto it = values.begin(); it != values.end(); ++it) profile.setValue("Settings/" + it.key(), it.value());
    profile.sync();
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

// Runs `action` on the next modal window that opens, from inside its own
// event loop.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal != nullptr) action(pModal);
    });
}

}  // namespace sorvanta::test
