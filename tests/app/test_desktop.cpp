// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user expects around the documents: the manual on F1.
#include "appfixture.h"
#include "helpwindow.h"
#include "res/resource.h"

#include <QFile>
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

} // namespace
