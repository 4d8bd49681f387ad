// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookapp.h"

#include "cairnbookview.h"
#include "cellfont.h"
#include "childframe.h"
#include "coordinate.h"

#include "docmanager.h"
#include "mainframe.h"
#include "mapimage.h"
#include "mapsource.h"
#include "qtprompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "textcodec.h"
#include "viewprint.h"
#include <cstdio>

#include <QElapsedTimer>
#include <QMdiArea>
#include <QThread>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

CStartOptions ParseStartOptions(const QStringList& args) {
    CStartOptions o;
    auto fail = [&o](const QString& why) {
        if (o.m_bValid)
            o.m_strError = why;
        o.m_bValid = false;
    };
    // Qt's parser: a missing value is named, and --opt=value works too.
    QCommandLineParser p;
    const QCommandLineOption screenshot("screenshot", "", "OUT.png"), size("size", "", "WxH"),
        map("map"), theme("theme", "", "MODE"), print("print"), printTo("print-to", "", "PRINTER"),
        imageryHost("imagery-host", "", "HOST"), mapSource("map-source", "", "SOURCE");
    p.addOptions({screenshot, size, map, theme, print, printTo, imageryHost, mapSource});
    if (!p.parse(args)) {
        fail(p.errorText());
        return o;
    }
    o.m_files = p.positionalArguments();
    o.m_strScreenshot = p.value(screenshot);
    o.m_bMap = p.isSet(map);
    o.m_strImageryHost = p.value(imageryHost);
    o.m_strMapSource = p.value(mapSource);
    o.m_bPrint = p.isSet(print) || p.isSet(printTo);
    o.m_strPrinter = p.value(printTo);
    if (p.isSet(size)) {
        const QStringList wh = p.value(size).split('x');
        const int w = wh.value(0).toInt(), h = wh.value(1).toInt();
        if (wh.size() != 2 || w <= 0 || h <= 0)
            fail("--size takes WIDTHxHEIGHT");
        o.m_size = QSize(w, h);
    }
    if (p.isSet(theme)) {
        const QString t = p.value(theme);
        o.m_nTheme = t == "auto"     ? res::ID_MAP_AUTO
                     : t == "aerial" ? res::ID_MAP_AERIAL
                     : t == "topo"   ? res::ID_MAP_TOPO
                     : t == "urban"  ? res::ID_MAP_URBAN
                     : t == "off"    ? res::ID_MAP_OFF
                                     : -1;
        if (o.m_nTheme < 0)
            fail("--theme takes auto, aerial, topo, urban or off");
    }
    if (o.m_bPrint && o.m_files.isEmpty())
        fail("--print and --print-to need the files to print");
    return o;
}

EPromptAnswer CStderrPrompt::Ask(const std::string& caption, const std::string& text,
                                 EPromptButtons buttons, EPromptIcon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    switch (buttons) {
    case EPromptButtons::okCancel:
    case EPromptButtons::yesNoCancel: return EPromptAnswer::cancel;
    case EPromptButtons::yesNo: return EPromptAnswer::no;
    case EPromptButtons::ok: break;
    }
    return EPromptAnswer::ok;
}

CCairnbookApp::CCairnbookApp() {
    g_nCoordFormat = 0;
}

CCairnbookApp::~CCairnbookApp() = default;

bool CCairnbookApp::InitInstance(const CStartOptions& options) {
    QApplication::setOrganizationName(res::kOrganization);
    QApplication::setApplicationName(res::kAppTitle);
    ApplyProgramFont();
    // A host named on the command line means its area service, for this run.
    if (!options.m_strImageryHost.isEmpty()) {
        SetImageryHostOverride(options.m_strImageryHost);
        SetMapSourceForRun(MapSourceFromArgument(kAreaServiceName));
    }
    if (!options.m_strMapSource.isEmpty()) {
        // A name that is no source, no tile address and no MBTiles file is a
        // mistake on the command line, not a map to draw blank.
        CMapSource source = MapSourceFromArgument(options.m_strMapSource);
        if (const QString problem = CheckMapSource(source); !problem.isEmpty()) {
            QStringList names;
            for (const CMapSource& s : AllMapSources())
                names << s.m_strName;
            std::fprintf(stderr,
                         "cairnbook: --map-source %s: no such map source, and as a source %s.\n"
                         "Name one of: %s; or a tile address with {z}, {x} and {y}; or an "
                         ".mbtiles file.\n",
                         qPrintable(options.m_strMapSource), qPrintable(problem),
                         qPrintable(names.join(", ")));
            m_nStartFailure = 2;
            return false;
        }
        SetMapSourceForRun(source);
    }
    // A screenshot or print run has nobody to answer: questions go to standard
    // error with their cautious answer instead of waiting in an unseen message box.
    const bool unattended = !options.m_strScreenshot.isEmpty() || options.m_bPrint;
    if (!unattended)
        m_pPrompt = std::make_unique<CQtPrompt>();
    else
        m_pPrompt = std::make_unique<CStderrPrompt>();
    m_pChooser = std::make_unique<CQtFileChooser>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pPrompt, *m_pChooser);
    if (!options.m_size.isEmpty())
        m_pFrame->resize(options.m_size);
    if (unattended) {
        m_pFrame->DocManager().Progress().SetQuiet(true);
    } else {
        // The window first, then the files: a big one shows its progress over
        // a window that is there and paints.
        m_pFrame->show();
        QApplication::processEvents();
    }
    for (const QString& file : options.m_files)
        if (!m_pFrame->DocManager().OpenDocumentFile(file))
            ++m_nFailedOpens;
    if (options.m_bPrint)
        return true; // nothing to show
    // As a plain start does, when no file opened (each failure was reported).
    if (m_pFrame->DocManager().Records().empty())
        m_pFrame->DocManager().OnFileNew();
    m_pFrame->show();
    return true;
}

int CCairnbookApp::Print(const CStartOptions& options) {
    const QPrinterInfo info = options.m_strPrinter.isEmpty()
                                  ? QPrinterInfo::defaultPrinter()
                                  : QPrinterInfo::printerInfo(options.m_strPrinter);
    if (info.isNull()) {
        const QString what = options.m_strPrinter.isEmpty()
                                 ? QString("there is no default printer")
                                 : "there is no printer named " + options.m_strPrinter;
        std::fprintf(stderr, "cairnbook: %s\n", qPrintable(what));
        return 1;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return PrintDocuments(printer);
}

int CCairnbookApp::PrintDocuments(QPrinter& printer) {
    int failed = m_nFailedOpens;
    for (const auto& rec : m_pFrame->DocManager().Records()) {
        CCairnbookView* view = rec->m_frames.front()->View();
        view->FillList(); // rows are otherwise built at the first paint
        if (RenderPages(*view, printer) != EPrintResult::printed) {
            std::fprintf(stderr, "cairnbook: %s: %s\n", qPrintable(rec->m_strTitle),
                         res::kFailedToPrint);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

int CCairnbookApp::Screenshot(const CStartOptions& options) {
    QApplication::processEvents();
    std::vector<CCairnbookView*> views;
    for (QMdiSubWindow* w : m_pFrame->MdiArea().subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(w))
            views.push_back(frame->View());
    for (CCairnbookView* view : views) {
        if (options.m_bMap)
            view->OnCommand(res::ID_VIEW_MAP);
        if (options.m_nTheme)
            view->OnCommand(options.m_nTheme);
        view->update();
    }
    // Pictures arrive asynchronously: wait for each to arrive or fail, 10 s at most.
    QElapsedTimer waited;
    waited.start();
    auto settled = [&] {
        return std::all_of(views.begin(), views.end(),
                           [](CCairnbookView* v) { return v->MapSettled(); });
    };
    // The first pass paints and so asks for the pictures; a window with none
    // to wait for is then settled and is not kept waiting.
    QApplication::processEvents();
    while (!settled() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    QApplication::processEvents();
    m_pFrame->UpdateCommandUI();
    QApplication::processEvents();
    const bool ok = m_pFrame->grab().save(options.m_strScreenshot);
    if (!ok)
        std::fprintf(stderr, "cairnbook: the screenshot could not be written to %s\n",
                     qPrintable(VisibleControls(options.m_strScreenshot)));
    // The picture is written either way; a file that did not open still fails the run.
    return ok && m_nFailedOpens == 0 ? 0 : 1;
}
