// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the suites that drive the whole main window: documents open
// in child windows, menus built from the tables, no question left waiting.
#pragma once

#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "childframe.h"
#include "coordinate.h"
#include "docmanager.h"
#include "mainframe.h"
#include "test_helpers.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <string>

inline const std::string kSample = std::string(CAIRNBOOK_SAMPLES) + "/sample.ckb";

class App : public ::testing::Test {
protected:
    void SetUp() override {
        g_nCoordFormat = 0;
        frame.resize(1200, 700);
        frame.show();
    }
    void TearDown() override {
        // Close without questions whatever a test left modified.
        for (const auto& rec : frame.DocManager().Records())
            rec->m_pDoc->SetModifiedFlag(false);
        frame.MdiArea().closeAllSubWindows();
        QApplication::processEvents();
    }
    CChildFrame* Open(const std::string& path) {
        CChildFrame* f = frame.DocManager().OpenDocumentFile(QString::fromStdString(path));
        QApplication::processEvents();
        if (f)
            f->View()->repaint();
        return f;
    }
    QStringList MenuTitles() {
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions())
            titles << a->text();
        return titles;
    }
    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    CTempDir dir;
    CMainFrame frame{prompt, chooser};
};

// The submenu at path ("&View", "Map Source"); null when there is none.
inline QMenu* SubMenu(QMenuBar* bar, const QStringList& path) {
    QList<QAction*> actions = bar->actions();
    QMenu* menu = nullptr;
    for (const QString& title : path) {
        menu = nullptr;
        for (QAction* a : actions)
            if (a->menu() && a->text() == title)
                menu = a->menu();
        if (!menu)
            return nullptr;
        actions = menu->actions();
    }
    return menu;
}
