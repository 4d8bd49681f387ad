// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an MBTiles file safely: opened read-only and immutable, every
// statement cut off after a time limit (a view can make SQLite work for
// ever), and no tile larger than the cap that holds for every source.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

struct CMbTilesInfo {
    QString m_strProblem; // empty when the file can serve tiles
    QString m_strAttribution;
};

// Whether the file is one at all, and the attribution it carries.
CMbTilesInfo InspectMbTiles(const QString& path);

class CMbTilesReader {
public:
    explicit CMbTilesReader(const QString& path);
    ~CMbTilesReader();
    CMbTilesReader(const CMbTilesReader&) = delete;
    CMbTilesReader& operator=(const CMbTilesReader&) = delete;

    static constexpr std::chrono::milliseconds kStatementLimit{2000};
    static constexpr qint64 kMaxTile = qint64(64) << 20;

    bool IsOpen() const { return m_bOpen; }
    // Why the last step failed, for the user.
    const QString& Error() const { return m_strError; }

    enum class EResult { found, missing, failed };
    // The tile at z/x/y (XYZ rows; the file counts them from the south).
    EResult Tile(int z, int x, int y, QByteArray& data);
    // One text value of a single-row query; empty when none or on failure.
    QString Value(const QString& sql);

private:
    bool Exec(class QSqlQuery& query);
    bool Next(QSqlQuery& query);
    bool Failed(const QSqlQuery& query); // says why; false

    QString m_strConnection;
    bool m_bOpen = false;
    QString m_strError;
    std::chrono::steady_clock::time_point m_deadline;
};
