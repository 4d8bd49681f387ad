// SPDX-License-Identifier: GPL-3.0-or-later
// The map source menu of the main window, with the user's own sources.
#include "appfixture.h"
#include "listface.h"
#include "mapsource.h"
#include "res/resource.h"
#include "tilepattern.h"
#include "tileserver.h"
#include "tileservice.h"
#include "waitfor.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>

namespace {

// Sources of the user's settings file are offered beside the built-in ones,
// and the chosen one draws and is remembered.
TEST_F(App, UserMapSourcesFromTheSettingsFile) {
    CTileServer server;
    ASSERT_TRUE(server.Listen());
    const QString mbtiles = QString::fromStdString(dir.Path("pattern.mbtiles"));
    ASSERT_TRUE(WritePatternMbTiles(mbtiles, 10, 12, 47, -123, 48, -121));
    {
        QSettings ini(MapSourcesFile(), QSettings::IniFormat);
        ini.setValue("Pattern Server/url", server.UrlTemplate("aerial"));
        ini.setValue("Pattern Server/maxzoom", 18);
        ini.setValue("Pattern Server/attribution", "Pattern Server tiles");
        ini.setValue("Pattern File/mbtiles", mbtiles);
    }
    CCairnbookView* view = Open(kSample)->View();
    view->OnCommand(res::ID_VIEW_MAP);
    view->OnCommand(res::ID_MAP_AERIAL);
    view->OnHideWaypoints();
    for (const QString name : {"Pattern Server", "Pattern File"}) {
        frame.BuildMenus();
        QMenu* sources = SubMenu(frame.menuBar(), {"&View", "Map Source"});
        ASSERT_NE(sources, nullptr);
        QStringList names;
        QAction* pick = nullptr;
        for (QAction* a : sources->actions()) {
            names << a->text();
            if (a->text() == name)
                pick = a;
        }
        for (const char* listed : {"OpenStreetMap", "USGS National Map", "Area imagery service",
                                   "Open MBTiles File...", "Reload Map Sources"})
            EXPECT_TRUE(names.contains(listed)) << listed;
        ASSERT_NE(pick, nullptr) << qPrintable(name);
        pick->trigger();
        EXPECT_EQ(QSettings().value("Map/Source").toString(), name);
        view->repaint();
        WaitFor([view] {
            view->repaint();
            return view->MapSettled();
        });
        const QImage shown = view->grab().toImage();
        EXPECT_NE(shown.pixelColor(200, 150), QColor(150, 210, 255)) << qPrintable(name);
    }
    // The chosen source gone from the file: Reload says so, and the stand-in
    // is in use and ticked.
    QFile::remove(MapSourcesFile());
    QSignalSpy told(&CTileService::Instance(), &CTileService::Problem);
    QMenu* sources = SubMenu(frame.menuBar(), {"&View", "Map Source"});
    ASSERT_NE(sources, nullptr);
    for (QAction* a : sources->actions())
        if (a->text() == "Reload Map Sources")
            a->trigger();
    EXPECT_EQ(CTileService::Instance().Source().m_strName, kAreaServiceName);
    ASSERT_TRUE(told.wait(1000));
    EXPECT_EQ(told.front().front().toString(), "The map source \"Pattern File\" is no longer "
                                               "defined. Showing Area imagery service instead.");
    QApplication::processEvents();
    QStringList ticked;
    for (QAction* a : SubMenu(frame.menuBar(), {"&View", "Map Source"})->actions())
        if (a->isChecked())
            ticked << a->text();
    EXPECT_EQ(ticked, QStringList({kAreaServiceName}));
    frame.ChooseMapSource(MapSourceFromArgument("Area imagery service"));
}

} // namespace
