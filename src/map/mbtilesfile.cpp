#include "mbtilesfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextDocumentFragment>

namespace {

constexpr int kMaxAttribution = 500;

// Looked at before SQLite opens it: SQLite would take a missing file as one
// to create, and a foreign one fails only at the first query of every tile.
QString FileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QString("the file %1 does not exist").arg(path);
    if (!info.isFile())
        return QString("%1 is not a file").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("the file %1 cannot be read (%2)").arg(path, file.errorString());
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return QString("%1 is not an SQLite database").arg(path);
    return QString();
}

} // namespace

CMbTilesInfo InspectMbTiles(const QString& path) {
    CMbTilesInfo info;
    info.m_strProblem = FileProblem(path);
    if (!info.m_strProblem.isEmpty())
        return info;
    const QString name = "cairnbook-inspect-mbtiles";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        QSqlQuery query(db);
        if (!db.open())
            info.m_strProblem = QString("%1 cannot be opened as an SQLite database").arg(path);
        else if (!query.exec("SELECT count(*) FROM sqlite_master WHERE name = 'tiles' AND "
                             "type IN ('table', 'view')") ||
                 !query.next())
            info.m_strProblem = QString("%1 is not an SQLite database").arg(path);
        else if (query.value(0).toInt() == 0)
            info.m_strProblem = QString("%1 has no tiles table").arg(path);
        else if (query.exec("SELECT value FROM metadata WHERE name = 'attribution'") &&
                 query.next()) {
            // Often HTML ("<a href=...>&copy; ...</a>"): the words are what we show.
            info.m_strAttribution = QTextDocumentFragment::fromHtml(query.value(0).toString())
                                        .toPlainText()
                                        .simplified();
            info.m_strAttribution.truncate(kMaxAttribution);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return info;
}
