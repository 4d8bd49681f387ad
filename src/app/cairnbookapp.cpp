#include "cairnbookapp.h"

#include "cairnbookview.h"
#include "cellfont.h"
#include "childframe.h"
#include "coordinate.h"
#include "cp1252.h"

#include "docmanager.h"
#include "mainframe.h"
#include "mapimage.h"
#include "qtprompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include <cstdio>

#include <QElapsedTimer>
#include <QMdiArea>
#include <QThread>

#include <QFileInfo>

CStartOptions ParseStartOptions(const QStringList& args) {
    CStartOptions o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--screenshot" && i + 1 < args.size()) {
            o.m_strScreenshot = args[++i];
        } else if (a == "--size" && i + 1 < args.size()) {
            const QStringList wh = args[++i].split('x');
            const int w = wh.value(0).toInt(), h = wh.value(1).toInt();
            if (wh.size() != 2 || w <= 0 || h <= 0) {
                o.m_bValid = false;
                o.m_strError = "--size takes WIDTHxHEIGHT";
            }
            o.m_size = QSize(w, h);
        } else if (a == "--map") {
            o.m_bMap = true;
        } else if (a == "--theme" && i + 1 < args.size()) {
            const QString t = args[++i];
            o.m_nTheme = t == "auto"     ? res::ID_MAP_AUTO
                         : t == "aerial" ? res::ID_MAP_AERIAL
                         : t == "topo"   ? res::ID_MAP_TOPO
                         : t == "urban"  ? res::ID_MAP_URBAN
                         : t == "off"    ? res::ID_MAP_OFF
                                         : -1;
            if (o.m_nTheme < 0) {
                o.m_bValid = false;
                o.m_strError = "--theme takes auto, aerial, topo, urban or off";
            }
        } else if (a == "--imagery-host" && i + 1 < args.size()) {
            o.m_strImageryHost = args[++i];
        } else if (a.startsWith("--")) {
            o.m_bValid = false;
            o.m_strError = "unknown option " + a;
        } else {
            o.m_files << a;
        }
    }
    return o;
}

EPromptAnswer CStderrPrompt::Ask(const std::string& caption, const std::string& text,
                                 EPromptButtons buttons, EPromptIcon) {
    std::fprintf(stderr, "%s: %s\n", cp1252::ToUtf8(caption).c_str(), cp1252::ToUtf8(text).c_str());
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
    if (!options.m_strImageryHost.isEmpty())
        SetImageryHostOverride(options.m_strImageryHost);
    // A screenshot run has nobody to answer: questions go to standard error
    // with their cautious answer instead of waiting in an unseen message box.
    if (options.m_strScreenshot.isEmpty())
        m_pPrompt = std::make_unique<CQtPrompt>();
    else
        m_pPrompt = std::make_unique<CStderrPrompt>();
    m_pChooser = std::make_unique<CQtFileChooser>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pPrompt, *m_pChooser);
    if (!options.m_size.isEmpty())
        m_pFrame->resize(options.m_size);
    if (options.m_files.isEmpty())
        m_pFrame->DocManager().OnFileNew();
    for (const QString& file : options.m_files)
        if (!m_pFrame->DocManager().OpenDocumentFile(file))
            ++m_nFailedOpens;
    m_pFrame->show();
    return true;
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
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    } while (!settled() && waited.elapsed() < 10000);
    QApplication::processEvents();
    m_pFrame->UpdateCommandUI();
    QApplication::processEvents();
    const bool ok = m_pFrame->grab().save(options.m_strScreenshot);
    // The picture is written either way; a file that did not open still fails the run.
    return ok && m_nFailedOpens == 0 ? 0 : 1;
}
