// SPDX-License-Identifier: GPL-3.0-or-later
#include "mbtilesfile.h"

#include "mapsource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextDocumentFragment>
#include <QUrl>

#include <atomic>
#include <sqlite3.h>

namespace {

// Looked at before SQLite opens it: SQLite would take a missing file as one
// to create, and a foreign one fails only at the first query of every tile.
QString FileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("CMbTilesFile", "the file %1 does not exist").arg(path);
    if (!info.isFile())
        return QCoreApplication::translate("CMbTilesFile", "%1 is not a file").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("CMbTilesFile", "the file %1 cannot be read (%2)")
            .arg(path, file.errorString());
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return QCoreApplication::translate("CMbTilesFile", "%1 is not an SQLite database")
            .arg(path);
    return QString();
}

// SQLite asks this every thousand steps of a statement: past the deadline the
// statement is interrupted.
int PastDeadline(void* deadline) {
    return std::chrono::steady_clock::now() >
           *static_cast<std::chrono::steady_clock::time_point*>(deadline);
}

std::atomic<int> g_nConnections{0};

} // namespace

CMbTilesReader::CMbTilesReader(const QString& path)
    : m_strConnection(QString("cairnbook-mbtiles-%1").arg(++g_nConnections)) {
    m_strError = FileProblem(path);
    if (!m_strError.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_strConnection);
    // Immutable: SQLite neither locks nor looks for a journal of a file we
    // only ever read.
    db.setDatabaseName("file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/") +
                       "?mode=ro&immutable=1");
    db.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    if (!db.open()) {
        m_strError =
            QCoreApplication::translate("CMbTilesFile", "%1 cannot be opened as an SQLite database")
                .arg(path);
        return;
    }
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        if (sqlite3* sqlite = *static_cast<sqlite3* const*>(handle.constData()))
            sqlite3_progress_handler(sqlite, 1000, PastDeadline, &m_deadline);
    m_bOpen = true;
}

CMbTilesReader::~CMbTilesReader() {
    if (QSqlDatabase::contains(m_strConnection)) {
        QSqlDatabase::database(m_strConnection, false).close();
        QSqlDatabase::removeDatabase(m_strConnection);
    }
}

bool CMbTilesReader::Exec(QSqlQuery& query) {
    m_strError.clear();
    m_deadline = std::chrono::steady_clock::now() + kStatementLimit;
    return query.exec() || Failed(query);
}

bool CMbTilesReader::Next(QSqlQuery& query) {
    // The work may come with the first row rather than with exec().
    if (query.next())
        return true;
    if (query.lastError().isValid() || std::chrono::steady_clock::now() > m_deadline)
        Failed(query);
    return false;
}

bool CMbTilesReader::Failed(const QSqlQuery& query) {
    m_strError = query.lastError().text();
    if (m_strError.trimmed().isEmpty())
        m_strError = QCoreApplication::translate("CMbTilesFile", "the query failed");
    if (std::chrono::steady_clock::now() > m_deadline) {
        m_strError =
            QCoreApplication::translate("CMbTilesFile", "a query took longer than %1 seconds")
                .arg(std::chrono::duration<double>(kStatementLimit).count());
        m_bOpen = false; // the next tile would take as long: no more queries
    }
    return false;
}

QString CMbTilesReader::Value(const QString& sql) {
    if (!m_bOpen)
        return QString();
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    return Exec(query) && Next(query) ? query.value(0).toString() : QString();
}

CMbTilesReader::EResult CMbTilesReader::Tile(int z, int x, int y, QByteArray& data) {
    if (!m_bOpen)
        return EResult::failed;
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    // The size first: a blob over the cap is never read into memory.
    query.prepare("SELECT length(tile_data), CASE WHEN length(tile_data) <= ? THEN tile_data END "
                  "FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?");
    query.addBindValue(kMaxTile);
    query.addBindValue(z);
    query.addBindValue(x);
    query.addBindValue((qint64(1) << z) - 1 - y); // rows count from the south
    if (!Exec(query))
        return EResult::failed;
    if (!Next(query))
        return m_strError.isEmpty() ? EResult::missing : EResult::failed;
    if (query.value(0).toLongLong() > kMaxTile) {
        m_strError = QCoreApplication::translate("CMbTilesFile", "a tile is larger than %1 MiB")
                         .arg(kMaxTile >> 20);
        return EResult::failed;
    }
    data = query.value(1).toByteArray();
    return EResult::found;
}

CMbTilesInfo InspectMbTiles(const QString& path) {
    CMbTilesInfo info;
    CMbTilesReader reader(path);
    if (!reader.IsOpen()) {
        info.m_strProblem = reader.Error();
        return info;
    }
    const QString tiles = reader.Value("SELECT type || ' ' || coalesce(sql, '') FROM sqlite_master "
                                       "WHERE name = 'tiles' AND type IN ('table', 'view')");
    if (tiles.isEmpty()) {
        info.m_strProblem =
            reader.Error().isEmpty()
                ? QCoreApplication::translate("CMbTilesFile", "%1 has no tiles table").arg(path)
                : QCoreApplication::translate("CMbTilesFile", "%1 is not an SQLite database")
                      .arg(path);
        return info;
    }
    // Views of tiles are usual (files that share repeated pictures); one that
    // calls itself would run for ever.
    if (tiles.startsWith("view") && tiles.contains("recursive", Qt::CaseInsensitive)) {
        info.m_strProblem =
            QCoreApplication::translate("CMbTilesFile", "the tiles of %1 are a recursive view")
                .arg(path);
        return info;
    }
    // The columns every tile is read by.
    reader.Value("SELECT zoom_level, tile_column, tile_row, tile_data FROM tiles LIMIT 0");
    if (!reader.Error().isEmpty()) {
        info.m_strProblem =
            QCoreApplication::translate("CMbTilesFile", "the tiles of %1 lack the MBTiles columns")
                .arg(path);
        return info;
    }
    // Often HTML ("<a href=...>&copy; ...</a>"): the words are what we show.
    const QString attribution =
        reader.Value("SELECT value FROM metadata WHERE name = 'attribution'");
    info.m_strAttribution = QTextDocumentFragment::fromHtml(attribution)
                                .toPlainText()
                                .simplified()
                                .left(kMaxAttribution);
    return info;
}
