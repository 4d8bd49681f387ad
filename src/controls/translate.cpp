// SPDX-License-Identifier: GPL-3.0-or-later
#include "translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

QString ResText(const char* text) {
    return QCoreApplication::translate("res", text);
}

QString TranslatedLines(const QString& text) {
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        if (line.isEmpty())
            continue;
        const QString whole = ResText(line.toUtf8().constData());
        if (whole != line) {
            line = whole;
            continue;
        }
        // "FILE: the file ends early": the parts that are fixed texts.
        QStringList parts = line.split(": ");
        for (QString& part : parts)
            part = ResText(part.toUtf8().constData());
        line = parts.join(": ");
    }
    return lines.join('\n');
}

bool InstallTranslations(const QLocale& locale) {
    static std::unique_ptr<QTranslator> own, qt;
    for (auto* installed : {own.get(), qt.get()})
        if (installed)
            QCoreApplication::removeTranslator(installed);
    own = std::make_unique<QTranslator>();
    qt = std::make_unique<QTranslator>();
    // Beside an installed program first (a packager's newer files), then the
    // copy built into it.
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/cairnbook/translations");
    const bool found = own->load(locale, "cairnbook", "_", installed) ||
                       own->load(locale, "cairnbook", "_", ":/i18n");
    if (found)
        QCoreApplication::installTranslator(own.get());
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    return found;
}
