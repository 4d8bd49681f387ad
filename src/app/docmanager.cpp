// SPDX-License-Identifier: GPL-3.0-or-later
#include "docmanager.h"

#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "childframe.h"
#include "filecommands.h"
#include "fileformat.h"
#include "prompt.h"
#include "res/strings.h"
#include "textcodec.h"
#include "translate.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>

namespace {

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

CDocManager::CDocManager(QMdiArea& area, CPrompt& prompt, CFileChooser& chooser)
    : m_area(area), m_prompt(prompt), m_chooser(chooser), m_progress(area.window()),
      m_commands(prompt, &chooser, &m_progress) {}

CDocManager::~CDocManager() = default;

CDocRecord& CDocManager::NewRecord(std::unique_ptr<CCairnbookDoc> doc, const QString& title) {
    auto rec = std::make_unique<CDocRecord>();
    rec->m_pDoc = std::move(doc);
    rec->m_strTitle = title;
    CDocRecord& ref = *rec;
    ref.m_pUndo = std::make_unique<QUndoStack>();
    ref.m_pUndo->setUndoLimit(QSettings().value("Edit/UndoLimit", kUndoLimit).toInt());
    // The modified mark follows the history: back at the saved state, it goes.
    connect(ref.m_pUndo.get(), &QUndoStack::cleanChanged, this, [this, &ref](bool clean) {
        ref.m_pDoc->SetModifiedFlag(!clean);
        UpdateTitles(ref);
        emit DocumentsChanged();
    });
    m_records.push_back(std::move(rec));
    return ref;
}

CChildFrame* CDocManager::CreateFrame(CDocRecord& rec) {
    auto* view = new CCairnbookView(*rec.m_pDoc);
    view->SetUndoStack(rec.m_pUndo.get());
    auto* frame = new CChildFrame(view);
    frame->m_fnCanClose = [this](CChildFrame* f) { return CanCloseFrame(f); };
    frame->m_fnClosed = [this](CChildFrame* f) { FrameClosed(f); };
    rec.m_frames.push_back(frame);
    m_area.addSubWindow(frame);
    frame->resize(CChildFrame::kInitialWidth, CChildFrame::kInitialHeight);
    view->resize(frame->contentsRect().size());
    view->OnInitialUpdate();
    if (m_fnViewCreated)
        m_fnViewCreated(view);
    UpdateTitles(rec);
    frame->show();
    m_area.setActiveSubWindow(frame);
    emit DocumentsChanged();
    return frame;
}

void CDocManager::UpdateTitles(CDocRecord& rec) {
    const bool several = rec.m_frames.size() > 1;
    for (std::size_t i = 0; i < rec.m_frames.size(); ++i) {
        QString title = rec.m_strTitle;
        if (several)
            title += ":" + QString::number(i + 1);
        rec.m_frames[i]->setWindowTitle(title + "[*]");
        rec.m_frames[i]->setWindowModified(rec.m_pDoc->IsModified());
    }
}

CChildFrame* CDocManager::OnFileNew() {
    auto doc = std::make_unique<CCairnbookDoc>(m_prompt);
    doc->SetFileChooser(&m_chooser);
    doc->SetProgress(&m_progress);
    doc->OnNewDocument();
    CDocRecord& rec =
        NewRecord(std::move(doc), QString(res::kNewDocName) + QString::number(++m_nUntitled));
    return CreateFrame(rec);
}

void CDocManager::OnFileOpen() {
    const auto chosen = m_chooser.ChooseOpen(FromQString(tr("Open")), OpenFilter());
    if (chosen)
        OpenDocumentFile(QString::fromStdString(chosen->m_strPath));
}

CChildFrame* CDocManager::OpenDocumentFile(const QString& path) {
    const QString canonical = Canonical(path);
    for (const auto& rec : m_records)
        if (!rec->m_frames.empty() &&
            Canonical(QString::fromStdString(rec->m_pDoc->GetPathName())) == canonical) {
            m_area.setActiveSubWindow(rec->m_frames.front());
            return rec->m_frames.front();
        }
    ECommandResult result = ECommandResult::done;
    std::unique_ptr<CCairnbookDoc> doc = m_commands.Open(canonical.toStdString(), &result);
    if (!doc) {
        if (result == ECommandResult::failed) // a cancelled read says nothing of the file
            RemoveFromRecentFiles(canonical);
        return nullptr;
    }
    TellNotices(*doc);
    AddToRecentFiles(canonical);
    CDocRecord& rec = NewRecord(std::move(doc), QFileInfo(canonical).fileName());
    return CreateFrame(rec);
}

void CDocManager::TellNotices(CCairnbookDoc& doc) {
    QStringList lines;
    for (const std::string& notice : doc.TakeNotices())
        lines << ToQString(notice);
    if (!lines.isEmpty())
        emit Notice(lines.join("; "));
}

bool CDocManager::DoSave(CDocRecord& rec, const QString& path, bool rename) {
    if (m_commands.Save(*rec.m_pDoc, path.toStdString()) != ECommandResult::done)
        return false;
    if (rename) {
        const QString canonical = Canonical(path);
        rec.m_pDoc->SetPathName(canonical.toStdString());
        rec.m_strTitle = VisibleControls(QFileInfo(canonical).fileName());
        AddToRecentFiles(canonical);
    }
    rec.m_pUndo->setClean();
    rec.m_pDoc->SetModifiedFlag(false);
    UpdateTitles(rec);
    emit DocumentsChanged();
    return true;
}

bool CDocManager::OnFileSave(CDocRecord& rec) {
    const std::string& path = rec.m_pDoc->GetPathName();
    if (path.empty())
        return OnFileSaveAs(rec);
    // A read-only format (LOC) is saved under a new name.
    if (!FormatForWriting(path))
        return OnFileSaveAs(rec);
    return DoSave(rec, QString::fromStdString(path), false);
}

bool CDocManager::OnFileSaveAs(CDocRecord& rec) {
    std::string proposed = rec.m_pDoc->GetPathName();
    if (!FormatForWriting(proposed)) {
        const QFileInfo info(QString::fromStdString(proposed));
        proposed = (info.path() + "/" + info.completeBaseName() + ".ckb").toStdString();
    }
    const std::optional<std::string> path = m_commands.ChooseSaveAs(proposed);
    return path && DoSave(rec, QString::fromStdString(*path), true);
}

bool CDocManager::SaveModified(CDocRecord& rec) {
    if (!rec.m_pDoc->IsModified())
        return true;
    const QString text = ResText(res::kSaveChanges).arg(rec.m_strTitle);
    switch (m_prompt.Ask(res::kAppTitle, FromQString(text), EPromptButtons::yesNoCancel,
                         EPromptIcon::warning)) {
    case EPromptAnswer::yes: return OnFileSave(rec);
    case EPromptAnswer::no: return true;
    default: return false;
    }
}

bool CDocManager::SaveAllModified() {
    for (const auto& rec : m_records)
        if (!SaveModified(*rec))
            return false;
    return true;
}

void CDocManager::OnFileClose(CDocRecord& rec) {
    if (!SaveModified(rec))
        return;
    rec.m_pDoc->SetModifiedFlag(false); // answered: closing the windows asks nothing more
    const std::vector<CChildFrame*> frames = rec.m_frames;
    for (CChildFrame* f : frames)
        f->close();
}

CChildFrame* CDocManager::OnWindowNew(CDocRecord& rec) {
    return CreateFrame(rec);
}

bool CDocManager::CanCloseFrame(CChildFrame* frame) {
    CDocRecord* rec = RecordOf(frame);
    // Only the last window of a document asks about its changes.
    if (!rec || rec->m_frames.size() > 1)
        return true;
    return SaveModified(*rec);
}

void CDocManager::FrameClosed(CChildFrame* frame) {
    CDocRecord* rec = RecordOf(frame);
    if (!rec)
        return;
    std::erase(rec->m_frames, frame);
    if (rec->m_frames.empty()) {
        // The document goes with its last window, once that window is gone.
        auto it = std::find_if(m_records.begin(), m_records.end(),
                               [rec](const auto& r) { return r.get() == rec; });
        std::shared_ptr<CDocRecord> dying(std::move(*it));
        m_records.erase(it);
        connect(frame, &QObject::destroyed, this, [dying] {});
    } else {
        UpdateTitles(*rec);
    }
    emit DocumentsChanged();
}

CDocRecord* CDocManager::RecordOf(const CChildFrame* frame) const {
    for (const auto& rec : m_records)
        for (CChildFrame* f : rec->m_frames)
            if (f == frame)
                return rec.get();
    return nullptr;
}

CDocRecord* CDocManager::ActiveRecord() const {
    return RecordOf(qobject_cast<CChildFrame*>(m_area.activeSubWindow()));
}

QStringList CDocManager::RecentFiles() const {
    QSettings settings;
    QStringList files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString f = settings.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!f.isEmpty())
            files << f;
    }
    return files;
}

void CDocManager::RemoveFromRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    if (files.removeAll(path) > 0)
        StoreRecentFiles(files);
}

void CDocManager::AddToRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    StoreRecentFiles(files);
}

void CDocManager::StoreRecentFiles(QStringList files) {
    while (files.size() > kRecentCount)
        files.removeLast();
    QSettings settings;
    for (int i = 1; i <= kRecentCount; ++i)
        settings.setValue(QString("Recent File List/File%1").arg(i), files.value(i - 1));
    emit RecentFilesChanged();
}
