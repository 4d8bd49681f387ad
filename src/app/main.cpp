#include "cairnbookapp.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // A screenshot needs no screen: render offscreen unless told otherwise.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // File texts and coordinates always use the "C" number notation.
    std::setlocale(LC_NUMERIC, "C");
    const CStartOptions options = ParseStartOptions(QApplication::arguments());
    if (!options.m_bValid) {
        std::fprintf(
            stderr,
            "cairnbook: %s\nusage: cairnbook [--screenshot FILE.png] [--size WxH] [FILES...]\n",
            qPrintable(options.m_strError));
        return 2;
    }
    CCairnbookApp cairnbook;
    if (!cairnbook.InitInstance(options))
        return 1;
    if (!options.m_strScreenshot.isEmpty())
        return cairnbook.Screenshot(options);
    return app.exec();
}
