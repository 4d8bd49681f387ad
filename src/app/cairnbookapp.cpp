#include "cairnbookapp.h"

#include "coordinate.h"
#include "docmanager.h"
#include "mainframe.h"
#include "qtprompt.h"
#include "res/strings.h"

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
        } else if (a.startsWith("--")) {
            o.m_bValid = false;
            o.m_strError = "unknown option " + a;
        } else {
            o.m_files << a;
        }
    }
    return o;
}

CCairnbookApp::CCairnbookApp() {
    g_nCoordFormat = 0;
}

CCairnbookApp::~CCairnbookApp() = default;

bool CCairnbookApp::InitInstance(const CStartOptions& options) {
    QApplication::setOrganizationName(res::kOrganization);
    QApplication::setApplicationName(res::kAppTitle);
    m_pPrompt = std::make_unique<CQtPrompt>();
    m_pChooser = std::make_unique<CQtFileChooser>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pPrompt, *m_pChooser);
    if (!options.m_size.isEmpty())
        m_pFrame->resize(options.m_size);
    if (options.m_files.isEmpty())
        m_pFrame->DocManager().OnFileNew();
    for (const QString& file : options.m_files)
        m_pFrame->DocManager().OpenDocumentFile(file);
    m_pFrame->show();
    return true;
}

int CCairnbookApp::Screenshot(const CStartOptions& options) {
    QApplication::processEvents();
    m_pFrame->UpdateCommandUI();
    QApplication::processEvents();
    const bool ok = m_pFrame->grab().save(options.m_strScreenshot);
    return ok ? 0 : 1;
}
