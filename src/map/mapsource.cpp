// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapsource.h"

#include "mbtilesfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
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

namespace {

// A group name as QSettings reads it back: plain where it can be.
QString IniGroupName(const QString& name) {
    static const QRegularExpression plain("^[A-Za-z0-9 ._()-]+$");
    if (plain.match(name).hasMatch())
        return name;
    QString out;
    for (QChar c : name) {
        if (c.unicode() < 0x80 && (c.isLetterOrNumber() || QString(" ._()-").contains(c)))
            out += c;
        else if (c.unicode() < 0x100)
            out += QString("%%1").arg(c.unicode(), 2, 16, QChar('0')).toUpper();
        else
            out += QString("%U%1").arg(c.unicode(), 4, 16, QChar('0')).toUpper();
    }
    return out;
}

QString IniQuoted(QString value) {
    value.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + value + '"';
}

// Groups QSettings does not list because they hold no key at all.
QStringList EmptyGroups(const QString& iniPath, const QStringList& groups) {
    QStringList written;
    for (const QString& g : groups)
        written << IniGroupName(g);
    QStringList problems;
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return problems;
    static const QRegularExpression header("^\\s*\\[(.*)\\]\\s*$");
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch m = header.match(QString::fromUtf8(line));
        if (m.hasMatch() && m.captured(1) != "General" && !written.contains(m.captured(1)))
            problems << QCoreApplication::translate(
                            "CMapSource", "The group [%1] of %2 is empty and was left out.")
                            .arg(m.captured(1), QFileInfo(iniPath).fileName());
    }
    return problems;
}

} // namespace

std::vector<CMapSource> LoadMapSources(const QString& iniPath, QStringList* problems) {
    std::vector<CMapSource> sources;
    if (!QFileInfo::exists(iniPath))
        return sources;
    QSettings ini(iniPath, QSettings::IniFormat);
    if (problems)
        *problems << EmptyGroups(iniPath, ini.childGroups());
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
                      ini.value("urban", all).toString(),
                      std::clamp(ini.value("maxzoom", 19).toInt(), 0, 30),
                      ini.value("attribution").toString());
            if (!s.m_urls[0].isEmpty() || !s.m_urls[1].isEmpty() || !s.m_urls[2].isEmpty())
                sources.push_back(s);
            else if (problems)
                *problems << QCoreApplication::translate(
                                 "CMapSource",
                                 "The group [%1] of %2 names no url, aerial, topo, urban or "
                                 "mbtiles and was left out.")
                                 .arg(group, QFileInfo(iniPath).fileName());
        }
        ini.endGroup();
        // An attribution is one line under the map, laid out at every paint.
        if (!sources.empty() && sources.back().m_strName == group &&
            sources.back().m_strAttribution.size() > kMaxAttribution) {
            sources.back().m_strAttribution.truncate(kMaxAttribution);
            if (problems)
                *problems << QCoreApplication::translate(
                                 "CMapSource",
                                 "The attribution of [%1] is longer than %2 characters and "
                                 "was cut.")
                                 .arg(group)
                                 .arg(kMaxAttribution);
        }
    }
    return sources;
}

bool AppendMbTilesSource(const QString& iniPath, const QString& file, QString& name,
                         QString& error) {
    // The built-in names and every group of the file.
    QStringList taken;
    for (const CMapSource& s : BuiltInMapSources())
        taken << s.m_strName;
    if (QFileInfo::exists(iniPath))
        taken << QSettings(iniPath, QSettings::IniFormat).childGroups();
    const QString base = QFileInfo(file).completeBaseName();
    name = base;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = QString("%1 (%2)").arg(base).arg(n);
    QByteArray text;
    QFile old(iniPath);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            error = old.errorString();
            return false;
        }
        text = old.readAll();
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
        if (!text.isEmpty())
            text += '\n';
    }
    text += "[" + IniGroupName(name).toUtf8() +
            "]\nmbtiles=" + IniQuoted(QFileInfo(file).absoluteFilePath()).toUtf8() + "\n";
    QDir().mkpath(QFileInfo(iniPath).absolutePath());
    QSaveFile out(iniPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}

QString CheckMapSource(CMapSource& source) {
    if (source.m_kind == CMapSource::EKind::mbtiles) {
        const CMbTilesInfo info = InspectMbTiles(source.m_strFile);
        if (source.m_strAttribution.isEmpty())
            source.m_strAttribution = info.m_strAttribution;
        return info.m_strProblem;
    }
    if (source.m_kind != CMapSource::EKind::tiles)
        return QString();
    bool any = false;
    for (const QString& url : source.m_urls) {
        if (url.isEmpty())
            continue;
        any = true;
        if (url.size() > kMaxTemplate)
            return QCoreApplication::translate("CMapSource",
                                               "its URL template is longer than %1 characters")
                .arg(kMaxTemplate);
        const qsizetype placeholders =
            url.count("{z}") + url.count("{x}") + url.count("{y}") + url.count("{-y}");
        if (placeholders > kMaxPlaceholders)
            return QCoreApplication::translate("CMapSource",
                                               "its URL template has more than %1 placeholders")
                .arg(kMaxPlaceholders);
        const QUrl parsed(url);
        if (!parsed.isValid() || (parsed.scheme() != "http" && parsed.scheme() != "https") ||
            parsed.host().isEmpty())
            return QCoreApplication::translate("CMapSource",
                                               "its URL template is not an http or https address");
        if (!url.contains("{z}") || !url.contains("{x}") ||
            (!url.contains("{y}") && !url.contains("{-y}")))
            return QCoreApplication::translate("CMapSource",
                                               "its URL template lacks {z}, {x} or {y}");
    }
    return any ? QString() : QCoreApplication::translate("CMapSource", "it has no URL template");
}

QString MapSourcesFile() {
    const QFileInfo settings(QSettings().fileName());
    return settings.dir().filePath("map-sources.ini");
}

std::vector<CMapSource> AllMapSources(QStringList* problems) {
    std::vector<CMapSource> all = BuiltInMapSources();
    for (const CMapSource& s : LoadMapSources(MapSourcesFile(), problems))
        all.push_back(s);
    return all;
}

CMapSource MapSourceFromArgument(const QString& argument) {
    for (const CMapSource& s : AllMapSources())
        if (s.m_strName.compare(argument, Qt::CaseInsensitive) == 0)
            return s;
    if (argument.endsWith(".mbtiles", Qt::CaseInsensitive))
        return MbTiles(QFileInfo(argument).fileName(), QFileInfo(argument).absoluteFilePath());
    // Anything else is taken as a template, which CheckMapSource then judges.
    return Tiles(argument, argument, argument, argument, 19, QString());
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

CMapSource FallbackMapSource(const QString& broken) {
    const QString env = qEnvironmentVariable("CAIRNBOOK_MAP_SOURCE");
    if (!env.isEmpty()) {
        CMapSource s = MapSourceFromArgument(env);
        if (s.m_strName != broken && CheckMapSource(s).isEmpty())
            return s;
    }
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
