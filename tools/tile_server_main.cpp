// SPDX-License-Identifier: GPL-3.0-or-later
// The development tile service: build/tools/tile_server [PORT], then
// cairnbook --map-source http://127.0.0.1:PORT/aerial/{z}/{x}/{y}.png
#include "tileserver.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const quint16 port = argc > 1 ? static_cast<quint16>(std::atoi(argv[1])) : 8081;
    CTileServer server;
    if (!server.Listen(port)) {
        std::fprintf(stderr, "tile_server: cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("Serving pattern tiles at %s\n", qPrintable(server.UrlTemplate()));
    std::fflush(stdout);
    return app.exec();
}
