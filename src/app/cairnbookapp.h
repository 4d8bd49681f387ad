// SPDX-License-Identifier: GPL-3.0-or-later
// The application: settings key, the main frame, and the command line.
#pragma once

#include <QApplication>
#include <QStringList>

#include "prompt.h"

#include <memory>

class CMainFrame;
class CPrompt;
class CQtFileChooser;
class QPrinter;

struct CStartOptions {
    QStringList m_files;
    QString m_strScreenshot; // render the main window to this PNG, then exit
    QSize m_size;
    bool m_bMap = false; // show the map face of each window
    int m_nTheme = 0;    // mapping-mode command for --theme, 0 none given
    QString m_strImageryHost;
    QString m_strMapSource; // a source name, URL template or .mbtiles file for this run
    bool m_bPrint = false;  // print the files and exit
    QString m_strPrinter;   // the printer to print on; empty: the default one
    bool m_bValid = true;
    QString m_strError;
};

CStartOptions ParseStartOptions(const QStringList& args);

// Questions without a person to answer them: printed, answered cautiously.
class CStderrPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string& caption, const std::string& text, EPromptButtons buttons,
                      EPromptIcon icon) override;
};

class CCairnbookApp {
public:
    CCairnbookApp();
    ~CCairnbookApp();
    // Creates the main frame and opens the files (none: one new document).
    bool InitInstance(const CStartOptions& options);
    // The exit code when InitInstance failed: 2 for a usage error, else 1.
    int StartFailure() const { return m_nStartFailure; }
    CMainFrame& MainFrame() { return *m_pFrame; }
    int Screenshot(const CStartOptions& options);
    // --print and --print-to: every file on the chosen printer; 0 when every
    // file opened and printed.
    int Print(const CStartOptions& options);
    int PrintDocuments(QPrinter& printer);

private:
    std::unique_ptr<CPrompt> m_pPrompt;
    std::unique_ptr<CQtFileChooser> m_pChooser;
    std::unique_ptr<CMainFrame> m_pFrame;
    int m_nFailedOpens = 0;
    int m_nStartFailure = 1;
};
