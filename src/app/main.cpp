// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookapp.h"
#include "res/strings.h"
#include "translate.h"

#include <QApplication>
#include <clocale>
#include <csignal>
#include <cstdio>

namespace {

const char* const kUsage = "usage: cairnbook --help | --version\n"
                           "       cairnbook [--map-source NAME|URL|FILE.mbtiles] "
                           "[--imagery-host HOST[:PORT]] [FILES...]\n"
                           "       cairnbook --print FILES...\n"
                           "       cairnbook --print-to PRINTER FILES...\n"
                           "       cairnbook --screenshot OUT.png [--size WxH] [--map] [--theme "
                           "auto|aerial|topo|urban|off]\n"
                           "                 [--imagery-host HOST[:PORT]] [FILES...]\n";

} // namespace

int main(int argc, char** argv) {
    // A pipe whose reader went away fails the save (EPIPE) instead of ending
    // the program with the document in it.
    std::signal(SIGPIPE, SIG_IGN);
    // Options first: usage needs no screen.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.contains("--help") || args.contains("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.contains("--version")) {
        std::printf("cairnbook %s\n%s\n", res::kVersionNumber, res::kLicenceNotice);
        return 0;
    }
    const CStartOptions options = ParseStartOptions(args);
    if (!options.m_bValid) {
        std::fprintf(stderr, "cairnbook: %s\n%s", qPrintable(options.m_strError), kUsage);
        return 2;
    }
    // A screenshot or a print run needs no screen: offscreen unless told otherwise.
    if ((!options.m_strScreenshot.isEmpty() || options.m_bPrint) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallTranslations(QLocale::system()); // the desktop's language, where we have it
    // File texts and coordinates always use the "C" number notation.
    std::setlocale(LC_NUMERIC, "C");
    CCairnbookApp cairnbook;
    if (!cairnbook.InitInstance(options))
        return cairnbook.StartFailure();
    if (!options.m_strScreenshot.isEmpty())
        return cairnbook.Screenshot(options);
    if (options.m_bPrint)
        return cairnbook.Print(options);
    return app.exec();
}
