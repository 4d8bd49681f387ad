#include "textcodec.h"

#include "cp1252.h"

QString ToQString(const std::string& cp1252) {
    return QString::fromStdString(cp1252::ToUtf8(cp1252));
}

std::string FromQString(const QString& text) {
    return cp1252::FromUtf8(text.toStdString());
}

QString VisibleControls(QString text, bool keepLineBreaks) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (keepLineBreaks && (u == '\n' || u == '\t'))
            continue;
        if (u < 0x20)
            c = QChar(char16_t(0x2400 + u));
        else if (u == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    return text;
}
