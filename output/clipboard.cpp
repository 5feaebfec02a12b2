#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/qtext.h"

namespace sorvanta {

bool CopyToClipboard(const std::string& strCp1251) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    // Plain text on this desktop ends its lines with LF alone.
    QString text = ToQString(strCp1251);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (pClipboard == nullptr) return false;
    pClipboard->setText(text, QClipboard::Clipboard);
    return pClipboard->text(QClipboard::Clipboard) == text;
}

}  // namespace sorvanta
