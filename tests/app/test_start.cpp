// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program: its options, files that fail to open, printing and
// screenshots from the command line, --version.
#include "appfixture.h"
#include "cairnbookapp.h"
#include "mainframe.h"
#include "qtprompt.h"
#include "res/resource.h"

#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(StartOptions, ScreenshotOptions) {
    const CStartOptions o =
        ParseStartOptions({"cairnbook", "--screenshot", "x.png", "--size", "800x500", "--map",
                           "--theme", "topo", "a.ckb", "b.wpt"});
    EXPECT_TRUE(o.m_bValid);
    EXPECT_EQ(o.m_strScreenshot, "x.png");
    EXPECT_EQ(o.m_size, QSize(800, 500));
    EXPECT_TRUE(o.m_bMap);
    EXPECT_EQ(o.m_nTheme, res::ID_MAP_TOPO);
    EXPECT_EQ(o.m_files, QStringList({"a.ckb", "b.wpt"}));
    const CStartOptions print = ParseStartOptions({"c", "--print-to", "Office", "a.ckb"});
    EXPECT_TRUE(print.m_bPrint);
    EXPECT_EQ(print.m_strPrinter, "Office");
    EXPECT_EQ(print.m_files, QStringList({"a.ckb"}));
    EXPECT_TRUE(ParseStartOptions({"c", "--print", "a.ckb"}).m_bPrint);
    for (const QStringList& bad :
         {QStringList{"c", "--size", "80"}, QStringList{"c", "--theme", "sepia"},
          QStringList{"c", "--bogus"}, QStringList{"c", "--print"}})
        EXPECT_FALSE(ParseStartOptions(bad).m_bValid) << qPrintable(bad.join(' '));
    // Nobody answers in a screenshot run: the cautious answer, and no waiting.
    CStderrPrompt prompt;
    EXPECT_EQ(prompt.Ask("Save Warning", "?", EPromptButtons::okCancel, EPromptIcon::question),
              EPromptAnswer::cancel);
    EXPECT_EQ(prompt.Ask("Merge", "?", EPromptButtons::yesNo, EPromptIcon::question),
              EPromptAnswer::no);
}

// Files that do not open are reported, the others open; with none left the
// program starts with a new document as a plain start does.
TEST(Start, FilesThatFailToOpenLeaveTheOthersOrANewDocument) {
    CTempDir dir;
    WriteBytes(dir.Path("bad.ckb"), "not a document");
    const struct {
        QStringList files;
        QString title;
    } cases[] = {
        {{QString::fromStdString(dir.Path("bad.ckb")), QString(CAIRNBOOK_SAMPLES) + "/sample.ckb"},
         "sample.ckb"},
        {{QString::fromStdString(dir.Path("bad.ckb"))}, "Cairnbook1"}};
    for (const auto& c : cases) {
        CStartOptions options;
        options.m_files = c.files;
        options.m_strScreenshot =
            QString::fromStdString(dir.Path("unused.png")); // no message boxes
        CCairnbookApp app;
        ASSERT_TRUE(app.InitInstance(options));
        const auto& records = app.MainFrame().DocManager().Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0]->m_strTitle, c.title);
        app.MainFrame().MdiArea().closeAllSubWindows();
    }
}

// The text of each page of a PDF, read back by pdftotext.
QStringList PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(20000))
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Every column on a portrait page, the titles on every page of a long list;
// a file that does not open fails the run after the others printed.
TEST(Start, PrintsEveryFileAndEveryRow) {
    CTempDir dir;
    CScriptedPrompt quiet;
    CCairnbookDoc doc(quiet);
    for (int i = 0; i < 150; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "", 45, 7, 0, 0, 1));
    doc.SaveFile(dir.Path("long.ckb"));
    for (bool withMissing : {false, true}) {
        CStartOptions options;
        options.m_bPrint = true;
        options.m_files = {QString::fromStdString(dir.Path("long.ckb"))};
        if (withMissing)
            options.m_files << QString::fromStdString(dir.Path("missing.ckb"));
        CCairnbookApp app;
        ASSERT_TRUE(app.InitInstance(options));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Portrait);
        const QString pdf = QString::fromStdString(dir.Path("long.pdf"));
        printer.setOutputFileName(pdf);
        EXPECT_EQ(app.PrintDocuments(printer), withMissing ? 1 : 0);
        const QStringList pages = PdfPages(pdf);
        ASSERT_GE(pages.size(), 2);
        for (const QString& page : pages) {
            EXPECT_TRUE(page.contains("Distance")) << qPrintable(page);
            EXPECT_TRUE(page.contains("Direction")) << qPrintable(page);
        }
        EXPECT_TRUE(pages.front().contains("W0"));
        EXPECT_TRUE(pages.back().contains("W149"));
        app.MainFrame().MdiArea().closeAllSubWindows();
    }
}

// Runs that cannot do what they were asked fail with a line that says why:
// 1 when the work failed, 2 when the command line was wrong.
TEST(Start, PrintingOrAScreenshotThatCannotBeMadeFails) {
    const QString sample = QString(CAIRNBOOK_SAMPLES) + "/sample.ckb";
    const std::tuple<QStringList, int, const char*> runs[] = {
        {{"--print-to", "No Such Printer", sample}, 1, "No Such Printer"},
        {{"--screenshot", "/nonexistent/x.png", sample},
         1,
         "the screenshot could not be written to /nonexistent/x.png"},
        {{"--map-source", "NOSUCH", "--screenshot", "x.png", sample},
         2,
         "--map-source NOSUCH: no such map source"},
        {{sample, "--screenshot"}, 2, "Missing value after '--screenshot'"}};
    for (const auto& [args, code, said] : runs) {
        QProcess p;
        p.start(CAIRNBOOK_APP, args);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), code) << said;
        EXPECT_TRUE(p.readAllStandardError().contains(said)) << said;
    }
}

// Both programs say their version and licence.
TEST(Start, VersionNamesTheLicence) {
    QProcess p;
    p.start(CAIRNBOOK_APP, {"--version"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    const QByteArray out = p.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("cairnbook 2.0\n")) << out.constData();
    EXPECT_TRUE(out.contains("GPL-3.0-or-later")) << out.constData();
}

} // namespace
