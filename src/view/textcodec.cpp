// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    return text.toStdString();
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
