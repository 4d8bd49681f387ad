// SPDX-License-Identifier: GPL-3.0-or-later
// With every waypoint shown, the list's commands act on a row beyond the first
// 2,000 exactly as on one below them.
#include "archive.h"
#include "bytestream.h"
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "clipboardtext.h"
#include "editwaypointdlg.h"
#include "listface.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kWaypoints = 2100;

std::string Name(int i) {
    char name[8];
    std::snprintf(name, sizeof name, "W%04d", i);
    return name;
}

void Fill(CCairnbookDoc& doc) {
    for (int i = 0; i < kWaypoints; ++i)
        doc.AddEntry(
            std::make_unique<CWayEntry>(Name(i), "c", 45 - i * 0.001, 7, (i * 37) % 1000, 0, 1));
}

// One document of 2,100 waypoints in a window that shows them all.
struct CBigList {
    CBigList() {
        CListFace::SetShowAll(true);
        doc.SetFileChooser(&chooser);
        Fill(doc);
        view.resize(900, 420);
        view.OnInitialUpdate();
        view.OnMetric(); // whole metres stand unchanged through the edit dialog
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.repaint();
    }
    ~CBigList() { CListFace::SetShowAll(false); }
    CXListCtrl& List() { return view.ListFace().List(); }
    void Select(int row) {
        List().clearSelection();
        List().SetItemSelected(row, true);
        List().SetFocusRow(row);
        List().SetSelectionMark(row);
        List().EnsureVisible(row);
    }
    QPoint Center(int row, int column) {
        return List().visualRect(List().model()->index(row, column)).center();
    }
    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    CTempDir dir;
    CCairnbookDoc doc{prompt};
    CCairnbookView view{doc};
};

struct CCommandCase {
    const char* name;
    std::function<void(CBigList&, int row)> act;
    // What the command does to the document, to the waypoint at index.
    std::function<void(CCairnbookDoc&, int index)> expect;
};

void Take(CCairnbookDoc& doc, int index) {
    doc.TakeEntry(static_cast<std::size_t>(index));
}

TEST(BigList, EveryCommandActsOnRowsBeyondTheFirstTwoThousand) {
    const CCommandCase cases[] = {
        {"edit",
         [](CBigList& t, int row) {
             QTimer::singleShot(0, [] {
                 auto* dlg = qobject_cast<CEditWaypointDlg*>(QApplication::activeModalWidget());
                 ASSERT_NE(dlg, nullptr);
                 dlg->Edit(1001)->setText("EDITED");
                 dlg->Edit(1002)->setText("new comment");
                 dlg->accept();
             });
             t.List().EnsureVisible(row);
             QTest::mouseDClick(t.List().viewport(), Qt::LeftButton, {}, t.Center(row, 2));
             EXPECT_EQ(t.List().GetItemText(row, 1), "EDITED");
             EXPECT_EQ(t.doc.FindByName("EDITED"), t.doc.m_WayList[std::size_t(row)].get());
             EXPECT_EQ(t.doc.FindByName(Name(row)), nullptr);
         },
         [](CCairnbookDoc& doc, int i) {
             doc.RenameEntry(doc.m_WayList[std::size_t(i)].get(), "EDITED");
             doc.m_WayList[std::size_t(i)]->m_strComment = "new comment";
         }},
        {"flags",
         [](CBigList& t, int row) {
             t.List().EnsureVisible(row);
             QTest::mouseClick(t.List().viewport(), Qt::LeftButton, {}, t.Center(row, 7));
             QTest::mouseClick(t.List().viewport(), Qt::LeftButton, {}, t.Center(row, 8));
             EXPECT_EQ(t.List().GetCheckState(row, 7), 1);
             EXPECT_EQ(t.List().GetCheckState(row, 8), 0);
         },
         [](CCairnbookDoc& doc, int i) {
             doc.m_WayList[std::size_t(i)]->m_bGeocache = 1;
             doc.m_WayList[std::size_t(i)]->m_bVisible = 0;
         }},
        {"delete",
         [](CBigList& t, int row) {
             t.Select(row);
             t.view.OnCommand(res::ID_DELETE_WAYPOINT);
             t.view.repaint(); // nothing left to rebuild: the selection stays
             // The anchor's row stays selected: the next waypoint now.
             EXPECT_EQ(t.List().SelectedRows(), std::vector<int>{row});
             EXPECT_EQ(t.List().GetItemText(row, 1).toStdString(), Name(row + 1));
         },
         Take},
        {"delete key",
         [](CBigList& t, int row) {
             t.Select(row);
             t.List().setFocus();
             QTest::keyClick(&t.List(), Qt::Key_Delete);
         },
         Take},
        {"cut",
         [](CBigList& t, int row) {
             t.Select(row);
             const std::string line = FormatClipboardLine(*t.doc.m_WayList[std::size_t(row)]);
             t.view.OnCommand(res::ID_EDIT_CUT);
             EXPECT_EQ(QApplication::clipboard()->text().toStdString(), line);
         },
         Take},
        {"copy",
         [](CBigList& t, int row) {
             t.Select(row);
             t.view.OnCommand(res::ID_EDIT_COPY);
             EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                       FormatClipboardLine(*t.doc.m_WayList[std::size_t(row)]));
         },
         [](CCairnbookDoc&, int) {}},
        {"paste over",
         [](CBigList& t, int row) {
             QApplication::clipboard()->setText(QString::fromStdString(Name(row)) +
                                                "\tpasted\t10\t20\t30\t0\t0\t1\t\r\n");
             t.prompt.m_answers = {EPromptAnswer::yes};
             t.view.OnCommand(res::ID_EDIT_PASTE);
             EXPECT_EQ(t.List().GetItemText(row, 2), "pasted");
         },
         [](CCairnbookDoc& doc, int i) {
             CWayEntry& e = *doc.m_WayList[std::size_t(i)];
             e.m_strComment = "pasted";
             e.m_dLatitude = 10;
             e.m_dLongitude = 20;
             e.m_dAltitude = 30;
         }},
        {"save selected",
         [](CBigList& t, int row) {
             t.Select(row);
             t.chooser.m_next = CChosenFile{t.dir.Path("one.ckb"), 2};
             t.view.OnCommand(res::ID_SAVE_SELECTED);
             CCairnbookDoc back(t.prompt);
             back.LoadFile(t.dir.Path("one.ckb"));
             ASSERT_EQ(back.m_WayList.size(), 1u);
             EXPECT_EQ(back.m_WayList[0]->m_strName, Name(row));
         },
         [](CCairnbookDoc&, int) {}},
        {"reference point",
         [](CBigList& t, int row) {
             t.Select(row);
             t.view.OnCommand(res::ID_REFERENCE_POINT);
             EXPECT_EQ(t.doc.Reference(), t.doc.m_WayList[std::size_t(row)].get());
             EXPECT_EQ(t.List().GetItemText(row, 10), "0.00");
             EXPECT_EQ(t.List().GetItemText(row + 1, 11), "South");
         },
         [](CCairnbookDoc&, int) {}},
    };
    CScriptedPrompt quiet;
    CCairnbookDoc original(quiet);
    Fill(original);
    for (const CCommandCase& c : cases)
        for (int row : {5, 2050}) {
            SCOPED_TRACE(std::string(c.name) + " on row " + std::to_string(row));
            CBigList t;
            ASSERT_EQ(t.view.ListFace().Rows(), kWaypoints);
            c.act(t, row);
            CScriptedPrompt prompt;
            CCairnbookDoc expected(prompt);
            Fill(expected);
            c.expect(expected, row);
            const std::string got = StateBytes(t.doc), want = StateBytes(expected);
            EXPECT_EQ(t.doc.IsModified(), want != StateBytes(original)); // changed or not
            EXPECT_TRUE(got == want)
                << "first difference at byte "
                << std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first -
                       got.begin();
        }
}

// Sorting orders every row, in all three states, and a command on a sorted
// row acts on the waypoint that row shows.
TEST(BigList, SortsEveryRowAndActsOnWhatARowShows) {
    CBigList t;
    auto names = [&t] {
        std::vector<std::string> shown;
        for (int r = 0; r < t.List().GetItemCount(); ++r)
            shown.push_back(t.List().GetItemText(r, 1).toStdString());
        return shown;
    };
    std::vector<std::string> inOrder;
    for (int i = 0; i < kWaypoints; ++i)
        inOrder.push_back(Name(i));
    std::vector<std::string> byAltitude = inOrder;
    std::stable_sort(byAltitude.begin(), byAltitude.end(), [](const auto& a, const auto& b) {
        return (std::stoi(a.substr(1)) * 37) % 1000 < (std::stoi(b.substr(1)) * 37) % 1000;
    });
    t.List().SortByColumn(5, 0); // altitude, a number
    EXPECT_EQ(names(), byAltitude);
    t.List().SortByColumn(1, 1); // names, descending
    EXPECT_EQ(names(), std::vector<std::string>(inOrder.rbegin(), inOrder.rend()));
    t.Select(0);
    t.view.OnCommand(res::ID_DELETE_WAYPOINT);
    EXPECT_EQ(t.doc.FindByName(Name(kWaypoints - 1)), nullptr);
    EXPECT_EQ(t.doc.m_WayList.size(), std::size_t(kWaypoints - 1));
    inOrder.pop_back();
    t.List().SortByColumn(1, 2); // back to the document's order
    EXPECT_EQ(names(), inOrder);
}

} // namespace
