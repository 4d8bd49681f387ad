// SPDX-License-Identifier: GPL-3.0-or-later
// map-sources.ini as a user may write it: read, every source checked and its
// URLs expanded, and a file's group added without a byte of it changing.
#include "mapsource.h"
#include "tilemath.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString ini = dir.filePath("map-sources.ini");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(ini);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QStringList problems;
    for (CMapSource source : LoadMapSources(ini, &problems))
        if (source.m_kind == CMapSource::EKind::tiles && CheckMapSource(source).isEmpty())
            for (int theme : {1, 2, 4})
                ExpandTileUrl(source.UrlForTheme(theme).toStdString(), 5, 3, 7);
    QString name, error;
    if (AppendMbTilesSource(ini, "/nowhere/fuzz.mbtiles", name, error)) {
        QFile file(ini);
        file.open(QIODevice::ReadOnly);
        if (!file.readAll().startsWith(bytes))
            std::abort(); // what the user wrote was changed
        LoadMapSources(ini);
    }
    return 0;
}
