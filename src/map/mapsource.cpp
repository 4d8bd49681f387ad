#include "mapsource.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace {

std::optional<CMapSource>& RunSource() {
    static std::optional<CMapSource> source;
    return source;
}

CMapSource Tiles(const QString& name, const QString& aerial, const QString& topo,
                 const QString& urban, int maxZoom, const QString& attribution) {
    CMapSource s;
    s.m_strName = name;
    s.m_kind = CMapSource::EKind::tiles;
    s.m_urls[0] = aerial;
    s.m_urls[1] = topo;
    s.m_urls[2] = urban;
    s.m_nMaxZoom = maxZoom;
    s.m_strAttribution = attribution;
    return s;
}

CMapSource MbTiles(const QString& name, const QString& file) {
    CMapSource s;
    s.m_strName = name;
    s.m_kind = CMapSource::EKind::mbtiles;
    s.m_strFile = file;
    s.m_nMaxZoom = 30;
    return s;
}

} // namespace

int CMapSource::ThemeIndex(int themeCode) {
    return themeCode == 2 ? 1 : themeCode == 4 ? 2 : 0;
}

QString CMapSource::UrlForTheme(int themeCode) const {
    return m_urls[ThemeIndex(themeCode)];
}

std::vector<CMapSource> BuiltInMapSources() {
    const QString usgs =
        "https://basemap.nationalmap.gov/arcgis/rest/services/%1/MapServer/tile/{z}/{y}/{x}";
    const QString osm = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    CMapSource area;
    area.m_strName = kAreaServiceName;
    return {Tiles(kDefaultMapSource, osm, osm, osm, 19,
                  QString::fromUtf8("\u00A9 OpenStreetMap contributors")),
            Tiles("USGS National Map", usgs.arg("USGSImageryOnly"), usgs.arg("USGSTopo"),
                  usgs.arg("USGSImageryTopo"), 16, "USGS The National Map"),
            area};
}

std::vector<CMapSource> LoadMapSources(const QString& iniPath) {
    std::vector<CMapSource> sources;
    if (!QFileInfo::exists(iniPath))
        return sources;
    QSettings ini(iniPath, QSettings::IniFormat);
    for (const QString& group : ini.childGroups()) {
        ini.beginGroup(group);
        const QString file = ini.value("mbtiles").toString();
        if (!file.isEmpty()) {
            CMapSource s = MbTiles(group, file);
            s.m_strAttribution = ini.value("attribution").toString();
            sources.push_back(s);
        } else {
            const QString all = ini.value("url").toString();
            CMapSource s =
                Tiles(group, ini.value("aerial", all).toString(), ini.value("topo", all).toString(),
                      ini.value("urban", all).toString(), ini.value("maxzoom", 19).toInt(),
                      ini.value("attribution").toString());
            if (!s.m_urls[0].isEmpty() || !s.m_urls[1].isEmpty() || !s.m_urls[2].isEmpty())
                sources.push_back(s);
        }
        ini.endGroup();
    }
    return sources;
}

QString MapSourcesFile() {
    const QFileInfo settings(QSettings().fileName());
    return settings.dir().filePath("map-sources.ini");
}

std::vector<CMapSource> AllMapSources() {
    std::vector<CMapSource> all = BuiltInMapSources();
    for (const CMapSource& s : LoadMapSources(MapSourcesFile()))
        all.push_back(s);
    return all;
}

CMapSource MapSourceFromArgument(const QString& argument) {
    for (const CMapSource& s : AllMapSources())
        if (s.m_strName.compare(argument, Qt::CaseInsensitive) == 0)
            return s;
    if (argument.endsWith(".mbtiles", Qt::CaseInsensitive))
        return MbTiles(QFileInfo(argument).fileName(), QFileInfo(argument).absoluteFilePath());
    if (argument.contains("{z}"))
        return Tiles(argument, argument, argument, argument, 19, QString());
    CMapSource area; // an unknown name: the area service, which needs no address
    area.m_strName = kAreaServiceName;
    return area;
}

CMapSource CurrentMapSource() {
    if (RunSource())
        return *RunSource();
    const QString env = qEnvironmentVariable("CAIRNBOOK_MAP_SOURCE");
    if (!env.isEmpty())
        return MapSourceFromArgument(env);
    const QString name = QSettings().value("Map/Source", kDefaultMapSource).toString();
    for (const CMapSource& s : AllMapSources())
        if (s.m_strName == name)
            return s;
    return BuiltInMapSources().front();
}

void SetCurrentMapSource(const QString& name) {
    QSettings().setValue("Map/Source", name);
    RunSource().reset();
}

void SetMapSourceForRun(const CMapSource& source) {
    RunSource() = source;
}

void ClearMapSourceForRun() {
    RunSource().reset();
}
