#include "output/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/messagebox.h"
#include "app/qtext.h"

namespace sorvanta {

bool CopyToClipboard(const std::string& strCp1251) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    const QString text = ToQString(strCp1251);
    if (pClipboard != nullptr) {
        pClipboard->setText(text, QClipboard::Clipboard);
        if (pClipboard->text(QClipboard::Clipboard) == text) return true;
    }
    AfxMessageBox(QStringLiteral("Не могу открыть буфер обмена"));
    return false;
}

}  // namespace sorvanta
