// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for suites that need a QApplication; offscreen unless told otherwise.
#include "cellfont.h"
#include <QApplication>
#include <QDir>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings written by tests (the recent-file list) stay in a folder of their own.
    const QByteArray config = QDir::tempPath().toUtf8() + "/cairnbook-test-config-" +
                              QByteArray::number(QCoreApplication::applicationPid());
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_CACHE_HOME", config + "/cache");
    // Tests never reach for the internet: the area service on loopback unless a
    // test chooses a source of its own.
    qputenv("CAIRNBOOK_MAP_SOURCE", "Area imagery service");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quillmoor - Cairnbook");
    QApplication::setApplicationName("Cairnbook");
    std::setlocale(LC_NUMERIC, "C");
    ApplyProgramFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
