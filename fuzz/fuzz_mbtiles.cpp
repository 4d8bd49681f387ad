// SPDX-License-Identifier: GPL-3.0-or-later
// MBTiles files built from SQL through SQLite's own API, then inspected and
// read tile by tile, each tile decoded, as the map does.
#include "mbtilesfile.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <sqlite3.h>
#include <string>

namespace {

// Nothing outside the file: no other databases, no pragmas.
int Authorize(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_ATTACH || action == SQLITE_DETACH || action == SQLITE_PRAGMA
               ? SQLITE_DENY
               : SQLITE_OK;
}

int PastDeadline(void* deadline) {
    return std::chrono::steady_clock::now() >
           *static_cast<std::chrono::steady_clock::time_point*>(deadline);
}

void Build(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) == SQLITE_OK) {
        sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
        sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 1 << 16);
        sqlite3_set_authorizer(db, Authorize, nullptr);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        sqlite3_progress_handler(db, 1000, PastDeadline, &deadline);
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // attributions are read as HTML
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string sql(reinterpret_cast<const char*>(data), size);
    // VACUUM INTO writes a file of its own choosing.
    if (sql.find('\0') != std::string::npos ||
        QString::fromStdString(sql).contains("vacuum", Qt::CaseInsensitive))
        return 0;
    static QTemporaryDir dir;
    const QString path = dir.filePath("fuzz.mbtiles");
    QFile::remove(path);
    Build(path.toStdString(), sql);
    InspectMbTiles(path);
    CMbTilesReader reader(path);
    for (int z = 0; z < 3; ++z)
        for (int x = 0; x < (1 << z) && x < 2; ++x) {
            QByteArray tile;
            if (reader.Tile(z, x, 0, tile) == CMbTilesReader::EResult::found)
                QImage::fromData(tile);
        }
    return 0;
}
