#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace sorvanta {

namespace {

// CR LF becomes LF, in one pass: QString::replace moves the whole rest of the
// text again every so many matches, which a whole chapter of a huge book
// makes take minutes.
void ToLfLineEnds(QString& text) {
    QChar* const pText = text.data();
    const qsizetype nLength = text.size();
    qsizetype nKept = 0;
    for (qsizetype i = 0; i < nLength; ++i) {
        if (pText[i] == u'\r' && i + 1 < nLength && pText[i + 1] == u'\n') continue;
        pText[nKept++] = pText[i];
    }
    text.truncate(nKept);
}

}  // namespace

bool CopyToClipboard(QString text, const std::string& strHtmlUtf8) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    // Plain text on this desktop ends its lines with LF alone.
    ToLfLineEnds(text);
    if (pClipboard == nullptr) return false;
    auto* pData = new QMimeData;
    pData->setText(text);
    // The HTML stays UTF-8 bytes, as it is served: half the size of a QString.
    if (!strHtmlUtf8.empty()) pData->setData(QStringLiteral("text/html"), QByteArray::fromStdString(strHtmlUtf8));
    pClipboard->setMimeData(pData, QClipboard::Clipboard);
    return pClipboard->text(QClipboard::Clipboard) == text;
}

}  // namespace sorvanta
