// What an MBTiles file can tell before its first tile is read: whether it
// is one at all, and the attribution it carries.
#pragma once

#include <QString>

struct CMbTilesInfo {
    QString m_strProblem; // empty when the file can serve tiles
    QString m_strAttribution;
};

CMbTilesInfo InspectMbTiles(const QString& path);
