// SPDX-License-Identifier: GPL-3.0-or-later
// Where the map's picture comes from: the area service of the imagery host,
// a web tile service (an XYZ URL template per theme) or an offline MBTiles
// file. Built-in sources, the user's own from a settings file, and the
// choice, remembered or given for one run.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct CMapSource {
    enum class EKind { area, tiles, mbtiles };
    QString m_strName;
    EKind m_kind = EKind::area;
    QString m_urls[3]; // aerial, topographic, urban
    int m_nMaxZoom = 19;
    QString m_strAttribution;
    QString m_strFile; // MBTiles

    bool IsTiles() const { return m_kind != EKind::area; }
    // The URL template for a theme code (1 aerial, 2 topographic, 4 urban).
    QString UrlForTheme(int themeCode) const;
    // Index of the theme's URL, which also keys the tile caches.
    static int ThemeIndex(int themeCode);
};

std::vector<CMapSource> BuiltInMapSources();
// The user's sources: an INI file with one group per source, keys url (all
// themes) or aerial/topo/urban, maxzoom, attribution; or mbtiles=FILE. A
// group that defines no source is left out and named in problems.
std::vector<CMapSource> LoadMapSources(const QString& iniPath, QStringList* problems = nullptr);
// Adds a group for an MBTiles file at the end of the INI file, leaving every
// byte the user wrote as it was; name is the group's, made unique. False
// with error when the file could not be written.
bool AppendMbTilesSource(const QString& iniPath, const QString& file, QString& name,
                         QString& error);
// Why a source cannot draw (a template that is no http(s) address with {z},
// {x} and {y}; an MBTiles file that is missing or is none), or empty. Gives
// an MBTiles source without an attribution of its own the file's.
QString CheckMapSource(CMapSource& source);
QString MapSourcesFile(); // map-sources.ini in the program's settings folder
std::vector<CMapSource> AllMapSources(QStringList* problems = nullptr);

// A source from a name, a URL template or an .mbtiles path (--map-source).
CMapSource MapSourceFromArgument(const QString& argument);

// The source in use: for this run when one was given (--map-source), else
// CAIRNBOOK_MAP_SOURCE, else the remembered choice, else one that works
// worldwide.
CMapSource CurrentMapSource();
// What stands in for a source that cannot draw: CAIRNBOOK_MAP_SOURCE when it
// can, else the default.
CMapSource FallbackMapSource(const QString& broken);
void SetCurrentMapSource(const QString& name);     // remembered
void SetMapSourceForRun(const CMapSource& source); // this run only
void ClearMapSourceForRun();
inline constexpr const char* kDefaultMapSource = "OpenStreetMap";
inline constexpr const char* kAreaServiceName = "Area imagery service";
inline constexpr int kMaxTemplate = 2048;   // characters of a tile URL template
inline constexpr int kMaxPlaceholders = 8;  // {z}, {x}, {y} and {-y} in one template
inline constexpr int kMaxAttribution = 500; // characters
