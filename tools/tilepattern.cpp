// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilepattern.h"

#include "tilemath.h"

#include <QBuffer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

QImage PatternTile(int theme, int z, int x, int y) {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    const int blue = (theme == 2 ? 120 : theme == 4 ? 200 : 40) + ((x + y + z) % 2) * 30;
    for (int row = 0; row < kTileSize; ++row) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(row));
        for (int col = 0; col < kTileSize; ++col)
            line[col] = qRgb(col, row, blue);
    }
    return tile;
}

void DecodePattern(QRgb colour, double nearX, double nearY, double& x, double& y) {
    auto nearest = [](double within, double near) {
        const double base = std::floor(near / kTileSize) * kTileSize + within + 0.5;
        double best = base;
        for (double c : {base - kTileSize, base + kTileSize})
            if (std::fabs(c - near) < std::fabs(best - near))
                best = c;
        return best;
    };
    x = nearest(qRed(colour), nearX);
    y = nearest(qGreen(colour), nearY);
}

bool WritePatternMbTiles(const QString& path, int minZoom, int maxZoom, double minLat,
                         double minLon, double maxLat, double maxLon) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "pattern-mbtiles");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec("CREATE TABLE metadata (name TEXT, value TEXT)") &&
                 q.exec("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row "
                        "INTEGER, tile_data BLOB)") &&
                 q.exec("CREATE UNIQUE INDEX tile_index ON tiles (zoom_level, tile_column, "
                        "tile_row)");
            const QString bounds =
                QString("%1,%2,%3,%4").arg(minLon).arg(minLat).arg(maxLon).arg(maxLat);
            for (const auto& [name, value] :
                 {std::pair<QString, QString>{"name", "Cairnbook pattern"},
                  {"format", "png"},
                  {"bounds", bounds},
                  {"minzoom", QString::number(minZoom)},
                  {"maxzoom", QString::number(maxZoom)},
                  {"attribution", "Cairnbook test pattern"}}) {
                q.prepare("INSERT INTO metadata VALUES (?, ?)");
                q.addBindValue(name);
                q.addBindValue(value);
                ok = ok && q.exec();
            }
            db.transaction();
            for (int z = minZoom; z <= maxZoom && ok; ++z) {
                const int x0 = int(MercatorX(minLon, z)) / kTileSize,
                          x1 = int(MercatorX(maxLon, z)) / kTileSize;
                const int y0 = int(MercatorY(maxLat, z)) / kTileSize,
                          y1 = int(MercatorY(minLat, z)) / kTileSize;
                for (int x = x0; x <= x1; ++x)
                    for (int y = y0; y <= y1; ++y) {
                        QByteArray png;
                        QBuffer buffer(&png);
                        buffer.open(QIODevice::WriteOnly);
                        PatternTile(1, z, x, y).save(&buffer, "PNG");
                        q.prepare("INSERT INTO tiles VALUES (?, ?, ?, ?)");
                        q.addBindValue(z);
                        q.addBindValue(x);
                        q.addBindValue((1 << z) - 1 - y);
                        q.addBindValue(png);
                        ok = ok && q.exec();
                    }
            }
            ok = db.commit() && ok;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase("pattern-mbtiles");
    return ok;
}
