#include "textcodec.h"

#include "cp1252.h"

QString ToQString(const std::string& cp1252) {
    return QString::fromStdString(cp1252::ToUtf8(cp1252));
}

std::string FromQString(const QString& text) {
    return cp1252::FromUtf8(text.toStdString());
}
