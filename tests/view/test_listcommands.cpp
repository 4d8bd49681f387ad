// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "coordinate.h"
#include "editwaypointdlg.h"
#include "listface.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "viewfixture.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class Commands : public CViewTest {
protected:
    void SetUp() override {
        doc.SetFileChooser(&chooser);
        for (int i = 0; i < 10; ++i)
            doc.AddEntry(std::make_unique<CWayEntry>("WP" + std::to_string(i), "c", 45 - i * 0.1, 7,
                                                     100, 0, 1));
        ShowView(900, 420);
        ASSERT_EQ(view.ListFace().Rows(), 10);
    }
    void SelectOnlyRow(int row) {
        List().clearSelection();
        List().SetItemSelected(row, true);
        List().SetFocusRow(row);
        List().SetSelectionMark(row);
    }
    // Answers the next modal edit dialog: fills the name and presses OK.
    void AnswerDialog(const QString& name) {
        QTimer::singleShot(0, [name] {
            auto* dlg = qobject_cast<CEditWaypointDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->Edit(1001)->setText(name);
            dlg->accept();
        });
    }
    CTempDir dir;
};

TEST_F(Commands, AddAppendsARow) {
    AnswerDialog("NEW");
    view.OnCommand(res::ID_ADD_WAYPOINT);
    ASSERT_EQ(view.ListFace().Rows(), 11);
    EXPECT_EQ(List().GetItemText(10, 1), "NEW");
    EXPECT_EQ(List().GetItemText(10, 6), "Cross");
    EXPECT_EQ(List().GetItemText(10, 10), "0.00");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_WayList.back()->m_strName, "NEW");
}

TEST_F(Commands, OnlyTheLeftButtonTogglesAFlag) {
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(List().viewport(), other, {},
                          List().visualRect(List().model()->index(0, 8)).center());
    EXPECT_EQ(doc.m_WayList[0]->m_bVisible, 1);
    EXPECT_EQ(List().GetCheckState(0, 8), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Commands, DeleteSelectedKeepsTheAnchorInRange) {
    List().SetItemSelected(3, true);
    List().SetItemSelected(5, true);
    List().SetSelectionMark(5);
    view.OnCommand(res::ID_DELETE_WAYPOINT);
    EXPECT_EQ(view.ListFace().Rows(), 8);
    EXPECT_EQ(List().GetItemCount(), 8);
    EXPECT_EQ(doc.m_WayList.size(), 8u);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{5});
    EXPECT_EQ(List().currentIndex().row(), 5);
    EXPECT_EQ(List().GetItemText(5, 1), "WP7");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Commands, DeletingEverythingLeavesNoSelection) {
    List().selectAll();
    view.OnCommand(res::ID_DELETE_WAYPOINT);
    EXPECT_EQ(view.ListFace().Rows(), 0);
    EXPECT_TRUE(List().SelectedRows().empty());
    EXPECT_TRUE(doc.m_WayList.empty());
}

TEST_F(Commands, ReferencePointAndItsDeletion) {
    List().SetSelectionMark(0);
    view.OnCommand(res::ID_REFERENCE_POINT);
    EXPECT_EQ(doc.Reference(), doc.m_WayList[0].get());
    EXPECT_EQ(List().GetItemText(1, 10), "6.91");
    EXPECT_EQ(List().GetItemText(1, 11), "South");
    EXPECT_FALSE(doc.IsModified());
    // The Delete key with the list focused removes the mark's row, and with
    // several rows selected every one of them, as the menu does.
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(doc.Reference(), nullptr);
    EXPECT_EQ(view.ListFace().Rows(), 9);
    EXPECT_EQ(List().GetItemText(0, 10), "6.91"); // the others keep their distances
    List().clearSelection();
    for (int r : {1, 3, 4})
        List().SetItemSelected(r, true);
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(view.ListFace().Rows(), 6);
    EXPECT_EQ(List().GetItemText(1, 1), "WP3");
}

// Two windows on one document, in kilometres and in miles: each shows its
// own unit's distances, whichever computed them last.
TEST_F(Commands, TwoWindowsShowDistancesInTheirOwnUnits) {
    view.OnMetric();
    List().SetSelectionMark(0);
    view.OnCommand(res::ID_REFERENCE_POINT);
    EXPECT_EQ(List().GetItemText(1, 10), "11.11");
    CCairnbookView miles(doc);
    miles.resize(900, 420);
    miles.OnInitialUpdate();
    miles.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&miles));
    miles.repaint();
    miles.ListFace().List().SetSelectionMark(1);
    miles.OnCommand(res::ID_REFERENCE_POINT);
    miles.ListFace().List().SetSelectionMark(0);
    miles.OnCommand(res::ID_REFERENCE_POINT);
    EXPECT_EQ(miles.ListFace().List().GetItemText(1, 10), "6.91");
    EXPECT_EQ(List().GetItemText(1, 10), "11.11");
}

// A change made in one window reaches another as exactly its rows: the other's
// order, selection and mark stay on their waypoints.
TEST_F(Commands, AnotherWindowKeepsItsOrderAndSelection) {
    CCairnbookView other(doc);
    other.resize(900, 420);
    other.OnInitialUpdate();
    CXListCtrl& list = other.ListFace().List();
    list.SortByColumn(1, 1); // names falling: WP9 first
    auto selectedNames = [&] {
        QStringList names;
        for (int row : list.SelectedRows())
            names << list.GetItemText(row, 1);
        return names;
    };
    list.SetItemSelected(list.RowOfItem(3), true);
    list.SetItemSelected(list.RowOfItem(7), true);
    list.SetSelectionMark(list.RowOfItem(7));
    SelectOnlyRow(5);
    view.OnCommand(res::ID_DELETE_WAYPOINT);
    AnswerDialog("NEW");
    view.OnCommand(res::ID_ADD_WAYPOINT);
    for (int row = 0; row < list.GetItemCount(); ++row) // every row still shows its entry
        EXPECT_EQ(list.GetItemText(row, 1).toStdString(),
                  doc.Entries()[static_cast<std::size_t>(list.ItemOf(row))]->m_strName);
    EXPECT_EQ(list.GetItemText(0, 1), "WP9");
    EXPECT_EQ(list.GetItemText(list.GetItemCount() - 1, 1), "NEW"); // sorted into place
    EXPECT_EQ(selectedNames(), QStringList({"WP7", "WP3"}));
    EXPECT_EQ(list.GetItemText(list.GetSelectionMark(), 1), "WP7");
}

// Deleting a cache asks whether its waypoints go too; either way it is one
// step that undo takes back whole.
class CacheDelete : public CViewTest {};

TEST_F(CacheDelete, AsksWhetherTheCachesWaypointsGoToo) {
    for (const char* name : {"GCV272", "AAV272", "WP1", "PKV272"})
        doc.AddEntry(std::make_unique<CWayEntry>(name, "", 47, 7, 0, name[0] == 'G', 1));
    QUndoStack stack;
    view.SetUndoStack(&stack);
    ShowView(900, 420);
    for (EPromptAnswer answer : {EPromptAnswer::no, EPromptAnswer::yes}) {
        prompt.m_answers = {answer};
        prompt.m_asked.clear();
        List().clearSelection();
        List().SetItemSelected(0, true);
        view.OnCommand(res::ID_DELETE_WAYPOINT);
        ASSERT_EQ(prompt.m_asked.size(), 1u);
        EXPECT_NE(prompt.m_asked[0].m_strText.find("GCV272: AAV272, PKV272"), std::string::npos);
        const std::size_t left = answer == EPromptAnswer::yes ? 1 : 3;
        EXPECT_EQ(doc.Entries().size(), left);
        EXPECT_EQ(view.ListFace().Rows(), int(left));
        EXPECT_EQ(stack.undoText(),
                  answer == EPromptAnswer::yes ? "Delete 3 Waypoints" : "Delete 1 Waypoint");
        stack.undo();
        EXPECT_EQ(doc.Entries().size(), 4u);
    }
}

TEST_F(Commands, SaveSelectedWritesOnlyThoseAndRestoresTheMarks) {
    for (int r : {2, 4, 7})
        List().SetItemSelected(r, true);
    chooser.m_next = CChosenFile{dir.Path("part.ckb"), 2};
    view.OnCommand(res::ID_SAVE_SELECTED);
    CCairnbookDoc back(prompt);
    back.LoadFile(dir.Path("part.ckb"));
    ASSERT_EQ(back.m_WayList.size(), 3u);
    EXPECT_EQ(back.m_WayList[0]->m_strName, "WP2");
    EXPECT_EQ(back.m_WayList[2]->m_strName, "WP7");
    EXPECT_EQ(back.m_WayList[2]->m_nNumber, 3u);
    for (const auto& e : doc.m_WayList)
        EXPECT_EQ(e->m_bSave, 1);
    doc.SaveFile(dir.Path("all.ckb"));
    CCairnbookDoc all(prompt);
    all.LoadFile(dir.Path("all.ckb"));
    EXPECT_EQ(all.m_WayList.size(), 10u);
}

TEST_F(Commands, CopyCutAndPasteThroughTheClipboard) {
    List().SetItemSelected(1, true);
    view.OnCommand(res::ID_EDIT_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "WP1\tc\t44.900000\t7.000000\t100.000000\t0\t0\t1\t\r\n");
    view.OnCommand(res::ID_EDIT_CUT);
    EXPECT_EQ(doc.m_WayList.size(), 9u);
    EXPECT_EQ(doc.FindByName("WP1"), nullptr);
    doc.SetModifiedFlag(false);
    // Another program's text: UTF-8 and bare line feeds.
    QApplication::clipboard()->setText(
        QString::fromUtf8("CAF\xC3\x89\tcaf\xC3\xA9\t1\t2\t3\t4\t0\t1\t\xC2\xB0\n"));
    view.OnCommand(res::ID_EDIT_PASTE);
    ASSERT_EQ(doc.m_WayList.size(), 10u);
    EXPECT_EQ(doc.m_WayList.back()->m_strName, "CAF");
    EXPECT_EQ(doc.m_WayList.back()->m_strAdditionalInfo, "\u00B0");
    EXPECT_EQ(view.ListFace().Rows(), 10);
    EXPECT_TRUE(doc.IsModified());
}

// Ctrl+F opens the bar; typing selects the first hit, Enter the next, Shift+F3
// goes back, Escape closes.
TEST_F(Commands, FindBarSelectsWhatItFinds) {
    doc.m_WayList[6]->m_strAdditionalInfo = "Hint: wp-lookalike";
    view.OnCommand(res::ID_EDIT_FIND);
    ASSERT_NE(view.ListFace().FindBar(), nullptr);
    EXPECT_TRUE(view.ListFace().FindBar()->isVisible());
    EXPECT_GT(List().geometry().top(), 0); // the bar stands above the list
    QTest::keyClicks(view.ListFace().FindEdit(), "wp3");
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{3});
    QTest::keyClicks(view.ListFace().FindEdit(), "x"); // "wp3x": nothing
    EXPECT_EQ(view.ListFace().FindStatus()->text(), "Not found");
    view.ListFace().FindEdit()->setText("lookalike");
    QTest::keyClick(view.ListFace().FindEdit(), Qt::Key_Return);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{6});
    view.ListFace().FindEdit()->setText("WP");
    QTest::keyClick(view.ListFace().FindEdit(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{5});
    QTest::keyClick(view.ListFace().FindEdit(), Qt::Key_Escape);
    EXPECT_FALSE(view.ListFace().FindBar()->isVisible());
    EXPECT_EQ(List().geometry().top(), 0);
    // Find Next and Previous (F3, Shift+F3) go on with the last text, bar closed.
    view.OnCommand(res::ID_EDIT_FIND_NEXT);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{6});
    view.OnCommand(res::ID_EDIT_FIND_PREVIOUS);
    view.OnCommand(res::ID_EDIT_FIND_PREVIOUS);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{4});
    EXPECT_FALSE(view.ListFace().FindBar()->isVisible());
}

// Home and End reach the first and last row and select it, with Ctrl too;
// Shift extends the selection from the anchor.
TEST_F(Commands, HomeAndEndSelectTheFirstAndLastRow) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> selected;
    } keys[] = {{Qt::Key_End, {}, {9}},
                {Qt::Key_Home, {}, {0}},
                {Qt::Key_End, Qt::ControlModifier, {9}},
                {Qt::Key_Home, Qt::ControlModifier, {0}},
                {Qt::Key_Up, {}, {0}}};
    List().setFocus();
    SelectOnlyRow(4);
    for (const auto& k : keys) {
        QTest::keyClick(&List(), k.key, k.modifiers);
        EXPECT_EQ(List().SelectedRows(), k.selected) << k.key;
        EXPECT_EQ(List().currentIndex().row(), k.selected.back()) << k.key;
    }
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(List().SelectedRows(), (std::vector<int>{7, 8, 9}));
}

} // namespace
