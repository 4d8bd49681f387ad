// SPDX-License-Identifier: GPL-3.0-or-later
// The development imagery service: imagery_server [PORT] (default 8080).
// Run Cairnbook with --imagery-host 127.0.0.1:PORT to use it.
#include "imageryserver.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the graticule labels
    const quint16 port = argc > 1 ? static_cast<quint16>(std::atoi(argv[1])) : 8080;
    CImageryServer server;
    if (!server.Listen(port)) {
        std::fprintf(stderr, "imagery_server: cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("imagery server on %s\n", qPrintable(server.Host()));
    std::fflush(stdout);
    return app.exec();
}
