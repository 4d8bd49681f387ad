// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user expects around the documents: the manual on F1, the
// desktop's language.
#include "appfixture.h"
#include "editwaypointdlg.h"
#include "helpwindow.h"
#include "listface.h"
#include "mapface.h"
#include "res/resource.h"
#include "translate.h"
#include "xlistctrl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

// F1 opens the manual at the section about what the active window shows, and
// every link of its contents leads somewhere.
TEST_F(App, HelpOpensTheManualAtTheActiveFace) {
    frame.OnCommand(res::ID_HELP_TOPICS);
    auto* help = frame.findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->Browser()->toPlainText();
    for (const char* part :
         {"Documents and windows", "Map sources", "MBTiles", "cairnbook-cli", "What it keeps"})
        EXPECT_TRUE(text.contains(part)) << part;

    CChildFrame* f = Open(kSample);
    f->View()->OnCommand(res::ID_VIEW_MAP);
    frame.OnCommand(res::ID_HELP_TOPICS);
    EXPECT_EQ(help->Browser()->source().fragment(), "map");
    EXPECT_EQ(frame.findChildren<CHelpWindow*>().size(), 1); // the same window again

    QFile manual(":/doc/manual.html");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    for (const auto& link : QRegularExpression("href=\"#([a-z]+)\"").globalMatch(html))
        EXPECT_TRUE(html.contains(QString("id=\"%1\"").arg(link.captured(1))))
            << link.captured(1).toStdString();
    if (const char* folder = std::getenv("CAIRNBOOK_SHOTS"))
        help->grab().save(QString(folder) + "/help.png");
}

// A German desktop gets German menus, tips, list titles and questions; the
// program without a translation for the language speaks English.
TEST(Translations, AGermanDesktopGetsTheProgramInGerman) {
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
    {
        CScriptedPrompt prompt;
        CScriptedChooser chooser;
        CMainFrame frame(prompt, chooser);
        frame.show();
        CChildFrame* f = frame.DocManager().OpenDocumentFile(QString::fromStdString(kSample));
        ASSERT_NE(f, nullptr);
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions())
            titles << a->text();
        EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "&Fenster", "&Hilfe"}));
        QMenu* file = SubMenu(frame.menuBar(), {"&Datei"});
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->actions().value(0)->text(), "&Neu\tStrg+N");
        EXPECT_EQ(file->actions().value(0)->toolTip(), "Neu");
        EXPECT_EQ(f->View()->ListFace().List().model()->headerData(3, Qt::Horizontal).toString(),
                  "Breite");
        EXPECT_EQ(f->View()->ListFace().List().GetItemText(0, 6), "Haus"); // the icon's name
        // The data core's English messages: their fixed parts, beside file names.
        EXPECT_EQ(TranslatedLines("Failed to open document.\n\n/tmp/a: b.wpt: the file ends early"),
                  "Das Dokument konnte nicht geöffnet werden.\n\n/tmp/a: b.wpt: die Datei endet zu "
                  "früh");
        if (const char* folder = std::getenv("CAIRNBOOK_SHOTS")) {
            file->popup(frame.mapToGlobal(QPoint(10, 20)));
            QApplication::processEvents();
            frame.grab().save(QString(folder) + "/german.png");
            file->grab().save(QString(folder) + "/german-file-menu.png");
            file->hide();
        }
        // Texts of fixed layouts fit their places in German too: the edit
        // dialog's labels and boxes, the map's buttons.
        CEditWaypointDlg dlg(&frame);
        f->View()->OnCommand(res::ID_VIEW_MAP);
        std::vector<QWidget*> fixed = {f->View()->findChild<CMapFace*>()};
        fixed.push_back(&dlg);
        for (QWidget* place : fixed) {
            for (const QLabel* label : place->findChildren<QLabel*>())
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->text().toStdString();
            for (const QAbstractButton* b : place->findChildren<QAbstractButton*>())
                for (const QString& caption : b->text().split('\n'))
                    EXPECT_LE(b->fontMetrics().horizontalAdvance(caption) +
                                  (qobject_cast<const QCheckBox*>(b) ? 20 : 4),
                              b->width())
                        << caption.toStdString();
        }
        f->View()->GetDocument().SetModifiedFlag(false);
    }
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_EQ(ResText("&File"), "&File");
}

} // namespace
