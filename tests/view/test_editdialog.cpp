// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "coordinate.h"
#include "editwaypointdlg.h"
#include "test_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Dialog : public ::testing::Test {
protected:
    void SetUp() override { g_nCoordFormat = 0; }
    void TearDown() override { g_nCoordFormat = 0; }
    void Start(CEditWaypointDlg& dlg) {
        dlg.m_pDoc = &doc;
        dlg.Start();
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    void Type(CEditWaypointDlg& dlg, int id, const QString& text) {
        dlg.Edit(id)->selectAll();
        QTest::keyClicks(dlg.Edit(id), text);
    }
    bool PressOk(CEditWaypointDlg& dlg) {
        QTest::mouseClick(dlg.findChild<QWidget*>("IDOK"), Qt::LeftButton);
        return dlg.result() == QDialog::Accepted && !dlg.isVisible();
    }
    CScriptedPrompt prompt;
    CCairnbookDoc doc{prompt};
};

TEST_F(Dialog, NewWaypointDefaultsToTheCrossIcon) {
    CEditWaypointDlg dlg;
    Start(dlg);
    Type(dlg, 1001, "NEW");
    EXPECT_TRUE(PressOk(dlg));
    EXPECT_EQ(dlg.m_nIcon, 0);
    EXPECT_EQ(dlg.m_strName, "NEW");
    EXPECT_EQ(dlg.m_dLatitude, 0.0);
    EXPECT_EQ(dlg.m_dLongitude, -0.0); // "W" negates
}

TEST_F(Dialog, EditingAnEntryBeyondTheIconsGivesBox) {
    CWayEntry e("CACHE", "c", 47.5, -122.25, 100, 1, 1);
    e.m_nIcon = 50;
    CEditWaypointDlg dlg;
    dlg.m_pEntry = &e;
    Start(dlg);
    EXPECT_EQ(dlg.Edit(1009)->text(), "328"); // as the list shows 100 m
    EXPECT_EQ(dlg.Hemisphere(1003)->currentText(), "N");
    EXPECT_EQ(dlg.Edit(1004)->text(), "47");
    EXPECT_EQ(dlg.Edit(1005)->text(), "30");
    EXPECT_EQ(dlg.Hemisphere(1006)->currentText(), "W");
    EXPECT_EQ(dlg.Edit(1008)->text(), "15");
    EXPECT_TRUE(dlg.Check(1011)->isChecked());
    EXPECT_TRUE(PressOk(dlg));
    EXPECT_EQ(dlg.m_nIcon, 1);
    EXPECT_EQ(dlg.m_dAltitude, 100.0);
    EXPECT_DOUBLE_EQ(dlg.m_dLatitude, 47.5);
    EXPECT_DOUBLE_EQ(dlg.m_dLongitude, -122.25);
}

// OK keeps every value the user left alone to the bit, in every notation and
// unit; a field that was typed in is read back from its text.
TEST_F(Dialog, OkKeepsWhatWasNotTouched) {
    const CWayEntry e("HOME", "c", 47.66528, -122.123456789, 50, 0, 1);
    for (int notation : {0, 1, 2})
        for (bool metric : {false, true}) {
            g_nCoordFormat = notation;
            CEditWaypointDlg dlg;
            dlg.m_pEntry = const_cast<CWayEntry*>(&e);
            dlg.m_bMetric = metric;
            Start(dlg);
            EXPECT_EQ(dlg.Edit(1009)->text(), metric ? "50" : "164");
            EXPECT_TRUE(PressOk(dlg));
            EXPECT_EQ(dlg.m_dLatitude, e.m_dLatitude) << notation;
            EXPECT_EQ(dlg.m_dLongitude, e.m_dLongitude) << notation;
            EXPECT_EQ(dlg.m_dAltitude, 50.0) << metric;
            CEditWaypointDlg typed;
            typed.m_pEntry = const_cast<CWayEntry*>(&e);
            typed.m_bMetric = metric;
            Start(typed);
            Type(typed, 1009, "200");
            typed.Hemisphere(1003)->setCurrentText("S");
            EXPECT_TRUE(PressOk(typed));
            EXPECT_EQ(typed.m_dAltitude, metric ? 200.0 : 61.0);
            EXPECT_NEAR(typed.m_dLatitude, -e.m_dLatitude, 1e-5);
            EXPECT_EQ(typed.m_dLongitude, e.m_dLongitude);
        }
}

TEST_F(Dialog, NameCommentAndUniquenessKeepItOpen) {
    doc.AddEntry(std::make_unique<CWayEntry>("TAKEN", "", 0, 0, 0, 0, 1));
    CEditWaypointDlg dlg;
    Start(dlg);
    Type(dlg, 1001, "NINECHARS");
    EXPECT_FALSE(PressOk(dlg));
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strText, "Please truncate name to 8 characters.");
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Cairnbook");
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit(1001));
    Type(dlg, 1001, "EIGHTCHR");
    Type(dlg, 1002, QString(31, 'c'));
    EXPECT_FALSE(PressOk(dlg));
    EXPECT_EQ(prompt.m_asked.back().m_strText,
              "Please truncate comment to 30 characters.  Currently it is 31.");
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit(1002));
    Type(dlg, 1002, QString(30, 'c'));
    Type(dlg, 1001, "TAKEN");
    EXPECT_FALSE(PressOk(dlg));
    EXPECT_EQ(prompt.m_asked.back().m_strText,
              "The wapoint name is not unique.  Please use a different name.");
    EXPECT_EQ(dlg.Edit(1001)->selectedText(), "TAKEN");
    Type(dlg, 1001, "EIGHTCHR");
    EXPECT_TRUE(PressOk(dlg));
}

TEST_F(Dialog, RenamingToItsOwnNameIsFine) {
    doc.AddEntry(std::make_unique<CWayEntry>("SELF", "", 0, 1, 0, 0, 1));
    CEditWaypointDlg dlg;
    dlg.m_pEntry = doc.FindByName("SELF");
    Start(dlg);
    EXPECT_TRUE(PressOk(dlg));
}

TEST_F(Dialog, DegreeRanges) {
    CEditWaypointDlg dlg;
    Start(dlg);
    Type(dlg, 1001, "R");
    Type(dlg, 1004, "129");
    EXPECT_FALSE(PressOk(dlg));
    EXPECT_EQ(prompt.m_asked.back().m_strText, "Please enter an integer between 0 and 128.");
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit(1004));
    Type(dlg, 1004, "128");
    Type(dlg, 1007, "500");
    Type(dlg, 1005, "abc");
    EXPECT_FALSE(PressOk(dlg));
    EXPECT_EQ(prompt.m_asked.back().m_strText, "Please enter a number.");
    Type(dlg, 1005, "30");
    EXPECT_TRUE(PressOk(dlg));
    EXPECT_DOUBLE_EQ(dlg.m_dLatitude, 128.5);
    EXPECT_DOUBLE_EQ(dlg.m_dLongitude, -500.0);
}

TEST_F(Dialog, PresetPositionNeedsALongitude) {
    CEditWaypointDlg zero;
    zero.m_dLatitude = 45.0;
    zero.m_dLongitude = 0.0;
    Start(zero);
    EXPECT_EQ(zero.Edit(1004)->text(), "0");
    EXPECT_EQ(zero.Hemisphere(1003)->currentText(), "N");
    EXPECT_EQ(zero.Hemisphere(1006)->currentText(), "W");
    CEditWaypointDlg preset;
    preset.m_dLatitude = -33.25;
    preset.m_dLongitude = 151.5;
    Start(preset);
    EXPECT_EQ(preset.Hemisphere(1003)->currentText(), "S");
    EXPECT_EQ(preset.Edit(1004)->text(), "33");
    EXPECT_EQ(preset.Edit(1005)->text(), "15");
    EXPECT_EQ(preset.Hemisphere(1006)->currentText(), "E");
}

TEST_F(Dialog, FieldsFollowTheNotation) {
    for (int notation = 0; notation < 3; ++notation) {
        g_nCoordFormat = notation;
        CWayEntry e("N", "", 47.5125, -122.25, 10, 0, 1);
        CEditWaypointDlg dlg;
        dlg.m_pEntry = &e;
        dlg.m_bMetric = notation == 2;
        Start(dlg);
        EXPECT_EQ(dlg.Edit(1015)->isVisible(), notation == 1);
        EXPECT_EQ(dlg.Edit(1004)->isVisible(), notation != 2);
        EXPECT_EQ(dlg.Label(1017)->isVisible(), notation != 2);
        EXPECT_EQ(dlg.Label(1022)->isVisible(), notation == 2); // "Meters"
        EXPECT_EQ(dlg.Label(1021)->isVisible(), notation != 2);
        if (notation == 1) {
            EXPECT_EQ(dlg.Edit(1005)->width(), dlg.Edit(1004)->width());
            EXPECT_EQ(dlg.Edit(1015)->text(), "45");
        }
        if (notation == 2) {
            EXPECT_EQ(dlg.Edit(1005)->geometry().left(), dlg.Edit(1004)->geometry().left());
            EXPECT_EQ(dlg.Edit(1005)->text(), "47.5125");
        }
        if (const char* out = std::getenv("CAIRNBOOK_SCREENSHOTS"))
            dlg.grab().save(QString("%1/edit-dialog-%2.png").arg(out).arg(notation));
        EXPECT_TRUE(PressOk(dlg));
        EXPECT_NEAR(dlg.m_dLatitude, 47.5125, notation == 1 ? 1.0 / 3600 : 1e-9);
        EXPECT_DOUBLE_EQ(dlg.m_dLongitude, -122.25);
    }
}

TEST_F(Dialog, IconBarTooltipsAndRows) {
    CEditWaypointDlg dlg;
    Start(dlg);
    EXPECT_EQ(dlg.IconButton(0)->toolTip(), "Crossed Square");
    EXPECT_EQ(dlg.IconButton(18)->toolTip(), "Hunt Fish");
    EXPECT_TRUE(dlg.IconButton(21)->toolTip().isEmpty());
    EXPECT_EQ(dlg.IconButton(40)->toolTip(), "Wrekc");
    EXPECT_EQ(dlg.IconButton(44)->toolTip(), "Virual Cache");
    EXPECT_EQ(dlg.IconButton(5)->toolTip(), "Amusement");
    EXPECT_EQ(dlg.Edit(1001)->toolTip(), "Name (8 chars)");
    EXPECT_EQ(dlg.Edit(1002)->toolTip(), "Comment (30 chars)");
    // Rows of 14, 14, 14 and 8.
    EXPECT_EQ(dlg.IconButton(13)->y(), dlg.IconButton(0)->y());
    EXPECT_GT(dlg.IconButton(14)->y(), dlg.IconButton(13)->y());
    EXPECT_EQ(dlg.IconButton(14)->x(), dlg.IconButton(0)->x());
    EXPECT_EQ(dlg.IconButton(42)->x(), dlg.IconButton(0)->x());
    EXPECT_GT(dlg.IconButton(42)->y(), dlg.IconButton(41)->y());
    EXPECT_LE(dlg.IconButton(49)->geometry().bottom(), dlg.height());
    QTest::mouseClick(dlg.IconButton(45), Qt::LeftButton);
    EXPECT_FALSE(dlg.IconButton(0)->isChecked());
    Type(dlg, 1001, "X");
    EXPECT_TRUE(PressOk(dlg));
    EXPECT_EQ(dlg.m_nIcon, 45);
}

} // namespace
