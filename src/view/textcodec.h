// The one crossing between the data core's Windows-1252 strings and Qt's text.
#pragma once

#include <QString>
#include <string>

QString ToQString(const std::string& cp1252);
std::string FromQString(const QString& text);
