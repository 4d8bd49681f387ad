// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the framework's document handling: New, Open, Save, Save As,
// Close with the question about unsaved changes, new windows on a document,
// titles and the recent-file list.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include "filecommands.h"
#include "qtprogress.h"

#include <functional>
#include <memory>
#include <vector>

class CCairnbookDoc;
class CCairnbookView;
class CChildFrame;
class CPrompt;
class CFileChooser;
class QMdiArea;

struct CDocRecord {
    std::unique_ptr<CCairnbookDoc> m_pDoc;
    std::unique_ptr<QUndoStack> m_pUndo; // one history for all of its windows
    QString m_strTitle;                  // "Cairnbook1", or the file's name
    std::vector<CChildFrame*> m_frames;
};

class CDocManager : public QObject {
    Q_OBJECT
public:
    CDocManager(QMdiArea& area, CPrompt& prompt, CFileChooser& chooser);
    ~CDocManager() override;

    CChildFrame* OnFileNew();
    void OnFileOpen();
    // Opens path as a document, or activates the window already showing it.
    // Reports a failure to the user and returns nullptr.
    CChildFrame* OpenDocumentFile(const QString& path);
    bool OnFileSave(CDocRecord& rec);
    bool OnFileSaveAs(CDocRecord& rec);
    void OnFileClose(CDocRecord& rec);
    CChildFrame* OnWindowNew(CDocRecord& rec);
    // Asks about each modified document; false when the user cancelled.
    bool SaveAllModified();
    // Yes saves, No discards, Cancel keeps the document open (false).
    bool SaveModified(CDocRecord& rec);

    CDocRecord* RecordOf(const CChildFrame* frame) const;
    CDocRecord* ActiveRecord() const;
    // What long reads and writes of files show.
    CQtProgress& Progress() { return m_progress; }
    const std::vector<std::unique_ptr<CDocRecord>>& Records() const { return m_records; }

    // Told of every new view, so the frame can hook it up.
    std::function<void(CCairnbookView*)> m_fnViewCreated;

    QStringList RecentFiles() const;
    void AddToRecentFiles(const QString& path);
    // A file that no longer opens leaves the list.
    void RemoveFromRecentFiles(const QString& path);
    static constexpr int kRecentCount = 4;
    static constexpr int kUndoLimit = 100; // steps, unless the setting Edit/UndoLimit says
    // Passes on what the document's last read has to tell.
    void TellNotices(CCairnbookDoc& doc);

signals:
    void DocumentsChanged(); // a document opened, closed, was renamed or modified
    void RecentFilesChanged();
    // What a read left out or changed, for the status bar.
    void Notice(const QString& text);

private:
    CDocRecord& NewRecord(std::unique_ptr<CCairnbookDoc> doc, const QString& title);
    CChildFrame* CreateFrame(CDocRecord& rec);
    bool DoSave(CDocRecord& rec, const QString& path, bool rename);
    void UpdateTitles(CDocRecord& rec);
    bool CanCloseFrame(CChildFrame* frame);
    void StoreRecentFiles(QStringList files);
    void FrameClosed(CChildFrame* frame);

    QMdiArea& m_area;
    CPrompt& m_prompt;
    CFileChooser& m_chooser;
    CQtProgress m_progress;
    CFileCommands m_commands;
    std::vector<std::unique_ptr<CDocRecord>> m_records;
    int m_nUntitled = 0;
};
