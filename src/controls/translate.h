// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language. English is the source language: texts
// without a translation show as they are written.
#pragma once

#include <QString>

class QLocale;

// A text of the tables (res/, marked TR_NOOP) in the user's language.
QString ResText(const char* text);
// Each line of text that is one of the tables' texts, translated, or else
// each of its parts between ": " that is: the data core writes its messages
// in English, fixed texts and file names and numbers mixed.
QString TranslatedLines(const QString& text);
// Installs the program's translation for locale, and Qt's own for its
// dialogs' buttons, in place of any installed before; false when the program
// has none for that language.
bool InstallTranslations(const QLocale& locale);
