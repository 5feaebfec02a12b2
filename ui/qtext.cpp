#include "ui/qtext.h"

#include <QFile>

#include "text/codec.h"

namespace sorvanta {

QString ToQString(std::string_view strCp1251) {
    QString text;
    text.reserve(static_cast<qsizetype>(strCp1251.size()));
    for (char ch : strCp1251) text += QChar(static_cast<char16_t>(Cp1251ToUnicode(ch)));
    return text;
}

std::string FromQString(const QString& text) {
    std::string strCp1251;
    strCp1251.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        // Half of a surrogate pair is no character of the code page either.
        strCp1251 += ch.isSurrogate() ? '?' : UnicodeToCp1251(ch.unicode());
    }
    return strCp1251;
}

QString ToQString(std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp1251) return ToQString(text);
    const std::string strUtf8 = ConvertText(text, TextEncoding::Utf8, TextEncoding::Utf8);  // broken bytes as "?"
    return QString::fromUtf8(strUtf8.data(), static_cast<qsizetype>(strUtf8.size()));
}

std::string FromQString(const QString& text, TextEncoding encoding) {
    return encoding == TextEncoding::Cp1251 ? FromQString(text) : text.toStdString();
}

QString PathToQString(const std::string& strPath) {
    return QFile::decodeName(QByteArray::fromStdString(strPath));
}

std::string PathFromQString(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace sorvanta
