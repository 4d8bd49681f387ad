// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "mapface.h"
#include "mapgeometry.h"
#include "mapimage.h"
#include "mbtilesfile.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "tilemath.h"
#include "tilepattern.h"
#include "tileserver.h"
#include "tileservice.h"
#include "viewfixture.h"
#include "waitfor.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDiskCache>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(TileMath, MercatorZoomAndUrls) {
    EXPECT_DOUBLE_EQ(MercatorX(0, 0), 128);
    EXPECT_DOUBLE_EQ(MercatorX(-180, 3), 0);
    EXPECT_NEAR(MercatorY(0, 1), 256, 1e-9);
    EXPECT_NEAR(MercatorY(kMaxMercatorLatitude, 5), 0, 1e-6);
    EXPECT_NEAR(MercatorLat(MercatorY(65.25, 17), 17), 65.25, 1e-12);
    EXPECT_NEAR(MercatorLon(MercatorX(-122.5, 17), 17), -122.5, 1e-12);
    // Tile pixels no larger than the frame's: zoom 0 is 156 km at the equator.
    const std::tuple<double, double, int, int> zooms[] = {{200000, 0, 19, 0}, {156543.1, 0, 19, 0},
                                                          {1.2, 0, 19, 17},   {1.2, 60, 19, 16},
                                                          {0.01, 0, 19, 19},  {64, 47, 16, 11}};
    for (const auto& [mpp, lat, maxZoom, z] : zooms)
        EXPECT_EQ(TileZoomFor(mpp, lat, maxZoom), z) << mpp << " at " << lat;
    EXPECT_EQ(ExpandTileUrl("https://h/{z}/{x}/{y}.png?tms={-y}", 3, 5, 1),
              "https://h/3/5/1.png?tms=6");
}

CMapSource TileSource(const QString& url, const QString& attribution = "Pattern tiles") {
    CMapSource s = MapSourceFromArgument(url);
    s.m_strAttribution = attribution;
    return s;
}

// The process's peak and present resident memory, for the measurements.
QString PeakMemory() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    QString out;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:") || line.startsWith("VmRSS:"))
            out += QString::fromLatin1(line.simplified()) + " ";
    return out;
}

class Tiles : public CViewTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Listen());
        ShowView(600, 400, true);
        view.OnCommand(res::ID_MAP_AERIAL);
        view.OnHideWaypoints(); // nothing over the picture but the strip
        service().SetSource(TileSource(server.UrlTemplate("aerial")));
    }
    void TearDown() override {
        service().SetSource(CurrentMapSource());
        CViewTest::TearDown();
    }
    static CTileService& service() { return CTileService::Instance(); }
    QImage Show(int level, double lat, double lon) {
        Map().SetFrame(CMapFrame{level, lon, lat});
        view.repaint();
        EXPECT_TRUE(WaitFor([this] {
            view.repaint();
            return view.MapSettled();
        }));
        view.repaint();
        return view.grab().toImage();
    }
    CTileServer server;
    CTempDir dir;
};

// Each pixel reads back as the position the map's projection gives it, to
// the pixel, whatever the latitude and level, from a server and a file.
TEST_F(Tiles, PixelsLandWhereTheirCoordinatesAre) {
    const double lats[] = {0.0, 47.0, 65.0};
    const int levels[] = {12, 16, 20};
    const QPoint offsets[] = {{0, 0}, {-170, -120}, {160, 90}, {230, -60}};
    for (bool file : {false, true})
        for (double lat : lats)
            for (int level : levels) {
                const double lon = 7.31 + lat / 10;
                const CMapFrame frame{level, lon, lat};
                const COuterRect r = Map().Outer();
                const int z = TileZoomFor(MetresPerPixel(level), lat, 19);
                if (file) {
                    double lat0, lon0, lat1, lon1;
                    ClientToGeo(frame, r, r.L, r.B, lat0, lon0);
                    ClientToGeo(frame, r, r.R, r.T, lat1, lon1);
                    const QString path = QString::fromStdString(dir.Path(
                        "p" + std::to_string(level) + "-" + std::to_string(int(lat)) + ".mbtiles"));
                    ASSERT_TRUE(WritePatternMbTiles(path, z, z, lat0, lon0, lat1, lon1));
                    service().SetSource(TileSource(path));
                }
                const QImage shown = Show(level, lat, lon);
                for (const QPoint& offset : offsets) {
                    const QPoint at(r.Cx() + offset.x(), r.Cy() + offset.y());
                    double wlat = 0, wlon = 0;
                    ClientToGeo(frame, r, at.x(), at.y(), wlat, wlon);
                    const double ex = MercatorX(wlon, z), ey = MercatorY(wlat, z);
                    if (std::fmod(ex, kTileSize) < 1.5 || std::fmod(ex, kTileSize) > 254.5 ||
                        std::fmod(ey, kTileSize) < 1.5 || std::fmod(ey, kTileSize) > 254.5)
                        continue; // a blend across a tile's edge reads nothing
                    double tx = 0, ty = 0;
                    DecodePattern(shown.pixel(at), ex, ey, tx, ty);
                    int x = 0, y = 0;
                    GeoToClient(frame, r, MercatorLat(ty, z), MercatorLon(tx, z), x, y);
                    EXPECT_LE(std::abs(x - at.x()), 1) << file << " " << lat << " " << level;
                    EXPECT_LE(std::abs(y - at.y()), 1) << file << " " << lat << " " << level;
                }
            }
}

// Asks as a good citizen: its own name, two connections at most, nothing that
// the cache holds fresh; and draws what it has when the server is gone.
TEST_F(Tiles, FetchesPolitelyAndFallsBackOnTheCache) {
    server.m_nDelayMs = 30;
    Show(14, 47, 7);
    ASSERT_FALSE(server.m_paths.isEmpty());
    EXPECT_LE(server.m_nMostOpen, CTileService::kPerHost);
    for (const QString& agent : server.m_userAgents)
        EXPECT_TRUE(agent.startsWith("Cairnbook/2.0 (+http")) << qPrintable(agent);
    const qsizetype asked = server.m_paths.size();
    service().SetSource(TileSource(server.UrlTemplate("aerial"))); // memory cache gone
    const QImage again = Show(14, 47, 7);
    EXPECT_EQ(server.m_paths.size(), asked); // fresh in the disk cache
    // Stale tiles from a server that no longer answers: the cache still serves.
    server.m_nMaxAgeSeconds = 0;
    Show(13, 47, 7);
    const qsizetype before = server.m_paths.size();
    server.close();
    service().SetSource(TileSource(server.UrlTemplate("aerial")));
    const QImage offline = Show(13, 47, 7);
    EXPECT_GT(before, asked);
    EXPECT_NE(offline.pixelColor(300, 200), QColor(150, 210, 255));
}

// A missing tile shows its parent enlarged; garbage and silence leave the
// background and the window free.
TEST_F(Tiles, MissingTilesShowTheirParent) {
    const int level = 14, z = TileZoomFor(MetresPerPixel(level), 47, 19);
    const CMapFrame frame{level, 7, 47};
    const COuterRect r = Map().Outer();
    const int cx = int(MercatorX(7, z)) / kTileSize, cy = int(MercatorY(47, z)) / kTileSize;
    server.m_missing.insert(QString("%1/%2/%3").arg(z).arg(cx).arg(cy));
    const QImage shown = Show(level, 47, 7);
    const QRgb centre = shown.pixel(r.Cx(), r.Cy());
    EXPECT_NE(QColor(centre), QColor(150, 210, 255)); // not the background
    double tx = 0, ty = 0;
    DecodePattern(centre, MercatorX(7, z - 1), MercatorY(47, z - 1), tx, ty);
    int x = 0, y = 0;
    GeoToClient(frame, r, MercatorLat(ty, z - 1), MercatorLon(tx, z - 1), x, y);
    EXPECT_LE(std::abs(x - r.Cx()), 2); // the parent, in its own place
    EXPECT_LE(std::abs(y - r.Cy()), 2);
    server.m_garbage.insert(QString("%1/%2/%3").arg(z).arg(cx + 1).arg(cy));
    server.m_nDelayMs = 3000;
    service().SetSource(TileSource(server.UrlTemplate("aerial")));
    Map().SetFrame(frame);
    view.repaint(); // paints at once while every tile is still coming
    EXPECT_FALSE(view.MapSettled());
    EXPECT_EQ(view.grab().toImage().pixelColor(r.Cx(), r.Cy()), QColor(150, 210, 255));
}

// Tiles that failed while the server was down are asked again after the
// pause, and the user is told once that the server does not answer.
TEST_F(Tiles, ServerBackAfterAnOutageFillsTheMap) {
    QStringList told;
    QObject::connect(&service(), &CTileService::Problem, &view,
                     [&told](const QString& text) { told << text; });
    const quint16 port = server.Port();
    server.close();
    service().SetSource(TileSource(server.UrlTemplate("aerial")));
    const COuterRect r = Map().Outer();
    QImage shown = Show(11, -33.9, 151.2); // nowhere the disk cache has been
    EXPECT_EQ(shown.pixelColor(r.Cx(), r.Cy()), QColor(150, 210, 255));
    QTest::qWait(50);
    ASSERT_EQ(told.size(), 1) << qPrintable(told.join('\n'));
    EXPECT_TRUE(told[0].startsWith("The map server 127.0.0.1 does not answer"))
        << qPrintable(told[0]);
    ASSERT_TRUE(server.Listen(port));
    EXPECT_TRUE(WaitFor(
        [&] {
            view.repaint();
            return view.grab().toImage().pixelColor(r.Cx(), r.Cy()) != QColor(150, 210, 255);
        },
        CTileService::kRetryMs + 4000));
    EXPECT_EQ(told.size(), 1);
}

// A file without the frame's zoom shows the parents it has, and the map
// settles without another paint asking again.
TEST_F(Tiles, FileWithoutTheFramesZoomSettlesOnItsParents) {
    const QString file = QString::fromStdString(dir.Path("low.mbtiles"));
    ASSERT_TRUE(WritePatternMbTiles(file, 9, 13, 47.2, -122.6, 47.8, -121.3));
    service().SetSource(MapSourceFromArgument(file));
    view.resize(900, 500);
    Map().SetFrame(CMapFrame{17, -121.95, 47.5});
    view.repaint();
    EXPECT_TRUE(WaitFor([this] { return view.MapSettled(); }, 3000));
    view.repaint();
    EXPECT_NE(view.grab().toImage().pixelColor(Map().Outer().Cx(), Map().Outer().Cy()),
              QColor(150, 210, 255));
}

// Servers that misbehave get one request per tile of the frame (a redirect
// loop a few more), no parents, and never more than the body cap held; the
// map settles, and the user is told once.
TEST_F(Tiles, MisbehavingServersAreNotHammered) {
    using E = CTileServer::EMisbehave;
    const struct {
        E mode;
        const char* name;
        int perTile; // requests a tile may take
    } modes[] = {{E::redirectLoop, "redirect loop", 1 + CTileService::kMaxRedirects},
                 {E::redirectElsewhere, "redirect to another host", 1},
                 {E::hugeBody, "200 MB body", 1},
                 {E::endlessChunked, "endless chunked body", 1},
                 {E::drip, "one byte a second", 1},
                 {E::hugeHeaders, "endless headers", 1}};
    service().SetTimeouts(1000, 3000);
    double lat = 10;
    for (const auto& m : modes) {
        server.m_misbehave = m.mode;
        server.m_paths.clear();
        QStringList told;
        const auto link = QObject::connect(&service(), &CTileService::Problem, &view,
                                           [&told](const QString& text) { told << text; });
        service().SetSource(TileSource(server.UrlTemplate("aerial")));
        // The window stays free: the longest wait between two timer ticks.
        QElapsedTimer clock;
        qint64 longest = 0, last = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        tick.start(10);
        Show(14, lat += 3, 7); // a place of its own: nothing cached
        QTest::qWait(20);      // the notice comes from the event loop
        tick.stop();
        QObject::disconnect(link);
        QSet<QString> tiles, levels;
        for (const QString& path : server.m_paths) {
            tiles << path;
            levels << path.section('/', 2, 2);
        }
        EXPECT_EQ(levels.size(), 1) << m.name << ": parents were asked";
        EXPECT_LE(server.m_paths.size(), tiles.size() * m.perTile) << m.name;
        EXPECT_FALSE(told.isEmpty()) << m.name;
        if (std::getenv("CAIRNBOOK_MEASURE"))
            std::printf("%s: %lld requests for %lld tiles, longest pause %lld ms, peak %s\n",
                        m.name, static_cast<long long>(server.m_paths.size()),
                        static_cast<long long>(tiles.size()), static_cast<long long>(longest),
                        qPrintable(PeakMemory()));
    }
    server.m_misbehave = E::none;
    service().SetTimeouts(CTileService::kSilenceMs, CTileService::kDeadlineMs);
    // A body that is no picture does not stay in the disk cache; pictures do.
    const int z = TileZoomFor(MetresPerPixel(14), -40, 19);
    const QString key = QString("%1/%2/%3")
                            .arg(z)
                            .arg(int(MercatorX(7, z)) / kTileSize)
                            .arg(int(MercatorY(-40, z)) / kTileSize);
    server.m_garbage.insert(key);
    server.m_paths.clear();
    service().SetSource(TileSource(server.UrlTemplate("aerial"))); // no pause left
    Show(14, -40, 7);
    QNetworkDiskCache cache;
    cache.setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                            "/tiles");
    const QString origin = QString("http://127.0.0.1:%1").arg(server.Port());
    ASSERT_TRUE(server.m_paths.contains("/aerial/" + key + ".png"));
    for (const QString& path : server.m_paths)
        EXPECT_EQ(cache.metaData(QUrl(origin + path)).isValid(), !path.contains(key))
            << qPrintable(path);
}

// A source that cannot draw says why, once, and the default source stands
// in; an MBTiles file's own attribution is shown.
TEST_F(Tiles, BrokenSourcesSayWhyAndGiveWay) {
    WriteBytes(dir.Path("text.mbtiles"), "this is not a database at all");
    const QString empty = QString::fromStdString(dir.Path("empty.mbtiles"));
    ASSERT_TRUE(WritePatternMbTiles(empty, 1, 1, 47, -123, 48, -121));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "drop-tiles");
        db.setDatabaseName(empty);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("DROP TABLE tiles");
        QSqlQuery(db).exec("DELETE FROM metadata WHERE name = 'attribution'");
        QSqlQuery(db).exec("INSERT INTO metadata VALUES ('attribution', "
                           "'<a href=\"x\">&copy; Made here</a>')");
    }
    QSqlDatabase::removeDatabase("drop-tiles");
    const struct {
        QString argument, reason;
    } cases[] = {
        {"http://127.0.0.1:1/tiles.png", "its URL template lacks {z}, {x} or {y}"},
        {"file://localhost/etc/hostname?{z}/{x}/{y}", "is not an http or https address"},
        {"no such source", "is not an http or https address"},
        {"http://h/" + QString("{z}").repeated(50000), "longer than 2048 characters"},
        {"http://h/{z}/{x}/{y}/{z}/{x}/{y}/{z}/{x}/{y}", "more than 8 placeholders"},
        {QString::fromStdString(dir.Path("missing.mbtiles")), "does not exist"},
        {QString::fromStdString(dir.Path("text.mbtiles")), "is not an SQLite database"},
        {empty, "has no tiles table"},
    };
    for (const auto& c : cases) {
        QStringList told;
        const auto link = QObject::connect(&service(), &CTileService::Problem, &view,
                                           [&told](const QString& text) { told << text; });
        service().SetSource(MapSourceFromArgument(c.argument));
        QTest::qWait(20);
        QObject::disconnect(link);
        // The tests' own stand-in (CAIRNBOOK_MAP_SOURCE), which asks no one outside.
        EXPECT_EQ(service().Source().m_strName, kAreaServiceName) << qPrintable(c.argument);
        ASSERT_EQ(told.size(), 1) << qPrintable(c.argument);
        EXPECT_TRUE(told[0].contains(c.reason)) << qPrintable(told[0]);
        EXPECT_TRUE(told[0].endsWith("Showing Area imagery service instead."))
            << qPrintable(told[0]);
    }
    CMapSource file = MapSourceFromArgument(empty);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "make-tiles");
    db.setDatabaseName(empty);
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec("CREATE TABLE tiles (zoom_level, tile_column, tile_row, tile_data)");
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("make-tiles");
    EXPECT_EQ(CheckMapSource(file), "");
    EXPECT_EQ(file.m_strAttribution, QString::fromUtf8("\u00A9 Made here"));
}

// Adding an MBTiles file appends its group and leaves every byte the user
// wrote as it was, comments and odd groups included.
TEST(MapSources, AddingAFileKeepsWhatTheUserWrote) {
    CTempDir dir;
    const QString ini = QString::fromStdString(dir.Path("map-sources.ini"));
    const std::string mine = "; my sources\n[Pattern Dev]\nurl=http://127.0.0.1:8081/aerial/"
                             "{z}/{x}/{y}.png\nattribution=" +
                             std::string(4 << 20, 'a') + "\n\n[Empty]\n[Zebra]\nfoo=bar\n# the end";
    WriteBytes(ini.toStdString(), mine);
    QString name, error;
    ASSERT_TRUE(AppendMbTilesSource(ini, "/maps/Pattern Dev.mbtiles", name, error));
    ASSERT_TRUE(AppendMbTilesSource(ini, "/maps/alps, \"high\".mbtiles", name, error));
    const std::string now = ReadBytes(ini.toStdString());
    EXPECT_EQ(now.substr(0, mine.size()), mine);
    QStringList problems;
    const std::vector<CMapSource> sources = LoadMapSources(ini, &problems);
    ASSERT_EQ(sources.size(), 3u);
    EXPECT_EQ(sources[0].m_strName, "Pattern Dev");
    EXPECT_EQ(sources[1].m_strName, "Pattern Dev (2)");
    EXPECT_EQ(sources[1].m_strFile, "/maps/Pattern Dev.mbtiles");
    EXPECT_EQ(sources[2].m_strName, QString("alps, \"high\""));
    EXPECT_EQ(sources[2].m_strFile, QString("/maps/alps, \"high\".mbtiles"));
    EXPECT_EQ(problems.size(), 3); // [Empty] and [Zebra], each named, and the cut attribution
    EXPECT_TRUE(problems.join(' ').contains("[Zebra]"));
    EXPECT_TRUE(problems.join(' ').contains("attribution of [Pattern Dev] is longer than 500"));
    EXPECT_EQ(sources[0].m_strAttribution.size(), kMaxAttribution);
}

// Hostile MBTiles files end in a message, within the time limit: a
// recursive view is refused, a view that works too long is cut off, and a
// tile over the cap is never read into memory.
TEST(MbTiles, HostileFilesAreBounded) {
    CTempDir dir;
    auto make = [&](const QString& name, const QStringList& sql) {
        const QString path = QString::fromStdString(dir.Path(name.toStdString()));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "make-" + name);
            db.setDatabaseName(path);
            EXPECT_TRUE(db.open());
            for (const QString& statement : sql)
                EXPECT_TRUE(QSqlQuery(db).exec(statement)) << qPrintable(statement);
        }
        QSqlDatabase::removeDatabase("make-" + name);
        return path;
    };
    const QString columns = "zoom_level, tile_column, tile_row, tile_data";
    const QString recursive = make(
        "recursive.mbtiles",
        {"CREATE VIEW tiles AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
         "SELECT 0 AS zoom_level, 0 AS tile_column, 0 AS tile_row, x'00' AS tile_data FROM r "
         "WHERE n < 0"});
    EXPECT_TRUE(InspectMbTiles(recursive).m_strProblem.contains("recursive view"));
    const QString foreign = make("foreign.mbtiles", {"CREATE TABLE tiles (a, b)"});
    EXPECT_TRUE(InspectMbTiles(foreign).m_strProblem.contains("lack the MBTiles columns"));
    const QString slow =
        make("slow.mbtiles", {"CREATE TABLE t (n)",
                              "WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL "
                              "SELECT n + 1 FROM r WHERE n < 2000) INSERT "
                              "INTO t SELECT n FROM r",
                              "CREATE VIEW tiles AS SELECT a.n - a.n AS zoom_level, 0 AS "
                              "tile_column, 0 AS tile_row, x'00' AS tile_data FROM t a, t b, t c "
                              "WHERE a.n + b.n + c.n < 0"});
    const QString huge =
        make("huge.mbtiles", {"CREATE TABLE tiles (" + columns + ")",
                              "INSERT INTO tiles VALUES (0, 0, 0, zeroblob(" +
                                  QString::number(CMbTilesReader::kMaxTile + 1) + "))"});
    QByteArray data;
    for (const auto& [path, error] :
         {std::pair{slow, "took longer than 2 seconds"}, std::pair{huge, "larger than 64 MiB"}}) {
        CMbTilesReader reader(path);
        ASSERT_TRUE(reader.IsOpen()) << qPrintable(reader.Error());
        EXPECT_EQ(reader.Tile(0, 0, 0, data), CMbTilesReader::EResult::failed);
        EXPECT_TRUE(reader.Error().contains(error)) << qPrintable(reader.Error());
        EXPECT_TRUE(data.isEmpty());
        // Once a query ran out of time, the file is asked nothing more; past a
        // tile that was too large, the others are read.
        EXPECT_EQ(reader.Tile(1, 0, 0, data) == CMbTilesReader::EResult::failed, path == slow);
    }
}

} // namespace
