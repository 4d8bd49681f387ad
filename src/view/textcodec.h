// SPDX-License-Identifier: GPL-3.0-or-later
// The one crossing between the data core's UTF-8 strings and Qt's text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);
// Control characters as their visible symbols (U+2400 and on): a file's
// name or a message shown in a window. Line breaks stay when asked.
QString VisibleControls(QString text, bool keepLineBreaks = false);
