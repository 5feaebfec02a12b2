#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/qtext.h"

namespace sorvanta {

bool CopyToClipboard(const std::string& strCp1251, const std::string& strHtmlUtf8) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    // Plain text on this desktop ends its lines with LF alone.
    QString text = ToQString(strCp1251);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (pClipboard == nullptr) return false;
    auto* pData = new QMimeData;
    pData->setText(text);
    if (!strHtmlUtf8.empty()) pData->setHtml(QString::fromStdString(strHtmlUtf8));
    pClipboard->setMimeData(pData, QClipboard::Clipboard);
    return pClipboard->text(QClipboard::Clipboard) == text;
}

}  // namespace sorvanta
