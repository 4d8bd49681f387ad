// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a small MBTiles file of pattern tiles:
//   build/tools/make_mbtiles OUT.mbtiles MINZOOM MAXZOOM MINLAT MINLON MAXLAT MAXLON
#include "tilepattern.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 8) {
        std::fputs("usage: make_mbtiles OUT.mbtiles MINZOOM MAXZOOM MINLAT MINLON MAXLAT MAXLON\n",
                   stderr);
        return 2;
    }
    QFile::remove(argv[1]);
    const bool ok =
        WritePatternMbTiles(argv[1], std::atoi(argv[2]), std::atoi(argv[3]), std::atof(argv[4]),
                            std::atof(argv[5]), std::atof(argv[6]), std::atof(argv[7]));
    if (!ok)
        std::fprintf(stderr, "make_mbtiles: could not write %s\n", argv[1]);
    return ok ? 0 : 1;
}
