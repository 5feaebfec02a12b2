#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace sorvanta {

bool CopyToClipboard(QString text, const std::string& strHtmlUtf8) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    // Plain text on this desktop ends its lines with LF alone.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (pClipboard == nullptr) return false;
    auto* pData = new QMimeData;
    pData->setText(text);
    if (!strHtmlUtf8.empty()) pData->setHtml(QString::fromStdString(strHtmlUtf8));
    pClipboard->setMimeData(pData, QClipboard::Clipboard);
    return pClipboard->text(QClipboard::Clipboard) == text;
}

}  // namespace sorvanta
