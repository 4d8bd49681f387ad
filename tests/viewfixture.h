// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture the GUI suites share: one document window on its own, shown
// offscreen, in list face or map face.
#pragma once

#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "coordinate.h"
#include "listface.h"
#include "mapface.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "xlistctrl.h"

#include <QTest>
#include <gtest/gtest.h>

class CViewTest : public ::testing::Test {
protected:
    // Shows the window at w x h; map: in map face.
    void ShowView(int w, int h, bool map = false) {
        g_nCoordFormat = 0;
        view.resize(w, h);
        view.OnInitialUpdate();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        if (map)
            view.OnCommand(res::ID_VIEW_MAP);
    }
    void TearDown() override { g_nCoordFormat = 0; }
    CXListCtrl& List() const { return view.ListFace().List(); }
    QString Cell(int row, int column) { return List().GetItemText(row, column); }
    CMapFace& Map() const { return view.MapFace(); }
    // The window as it looks after a paint.
    QImage Grab() {
        view.repaint();
        return view.grab().toImage();
    }

    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    CCairnbookDoc doc{prompt};
    CCairnbookView view{doc};
};
