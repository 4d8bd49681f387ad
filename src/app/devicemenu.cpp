// SPDX-License-Identifier: GPL-3.0-or-later
// File > Send to Device and Receive from Device: the receivers plugged in,
// sending the window's waypoints to one, and reading back what it holds.
#include "mainframe.h"

#include "archiveexception.h"
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "devicewatch.h"
#include "docmanager.h"
#include "filecommands.h"
#include "prompt.h"
#include "res/strings.h"
#include "sendfile.h"
#include "textcodec.h"
#include "undocommands.h"
#include "visits.h"
#include "waitcursor.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include <filesystem>

namespace fs = std::filesystem;
using namespace res;

void CMainFrame::FollowDevices(QMenu* menu, bool send) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu, send] {
        menu->clear();
        const bool open = ActiveView() != nullptr;
        for (const CReceiver& r : m_pDevices->Receivers()) {
            QAction* a = menu->addAction(QString::fromStdString(r.m_strName));
            a->setStatusTip(QString::fromStdString(r.m_strGpxFolder));
            a->setEnabled(open || !send);
            connect(a, &QAction::triggered, this,
                    [this, r, send] { send ? (void)SendTo(r) : ReceiveFrom(r); });
        }
        for (const CDeviceWatch::CDrive& d : m_pDevices->Unmounted()) {
            QAction* a = menu->addAction(tr("Mount and Use %1").arg(d.m_strLabel));
            a->setEnabled(open || !send);
            connect(a, &QAction::triggered, this, [this, d, send] {
                m_pDevices->Mount(d, [this, send](const QString& point, const QString& error) {
                    if (!error.isEmpty()) {
                        m_prompt.Ask(
                            kAppTitle,
                            FromQString(tr("The drive could not be mounted:\n%1").arg(error)),
                            EPromptButtons::ok, EPromptIcon::warning);
                        return;
                    }
                    const CReceiver r = ReceiverAt(FromQString(point));
                    send ? (void)SendTo(r) : ReceiveFrom(r);
                });
            });
        }
        if (menu->isEmpty())
            menu->addAction(tr("No receiver found"))->setEnabled(false);
        menu->addSeparator();
        QAction* choose = menu->addAction(tr("Choose Folder..."));
        choose->setEnabled(open || !send);
        connect(choose, &QAction::triggered, this, [this, send] {
            const auto folder = m_chooser.ChooseFolder(
                FromQString(send ? tr("Send to Folder") : tr("Receive from Folder")));
            if (folder)
                send ? (void)SendTo(ReceiverAt(*folder)) : ReceiveFrom(ReceiverAt(*folder));
        });
    });
}

bool CMainFrame::SendTo(const CReceiver& receiver) {
    CCairnbookView* view = ActiveView();
    if (!view)
        return false;
    CCairnbookDoc& doc = view->GetDocument();
    const std::string folder = receiver.m_strGpxFolder;
    std::string name = SentFileName(doc.GetPathName());
    std::error_code ec;
    if (fs::exists(fs::path(folder) / name, ec)) {
        const std::string other = KeepBothName(folder, name);
        const EPromptAnswer answer =
            m_prompt.Ask(kAppTitle,
                         FromQString(tr("%1 is already on %2.\nDo you want to replace it?\n\n"
                                        "Yes replaces it; No keeps both, naming the new file %3.")
                                         .arg(ToQString(name), ToQString(ShortName(receiver)),
                                              ToQString(other))),
                         EPromptButtons::yesNoCancel, EPromptIcon::question);
        if (answer == EPromptAnswer::cancel)
            return false;
        if (answer == EPromptAnswer::no)
            name = other;
    }
    CSentCount count;
    try {
        CWaitCursor wait;
        count = SendFile(doc, WithChildren(doc, view->PlacesToSend()),
                         (fs::path(folder) / name).string());
    } catch (const CArchiveException& e) {
        m_prompt.Ask(kAppTitle,
                     FromQString(tr("Nothing was sent to %1.\n\n%2\n\nIs the receiver still "
                                    "connected?")
                                     .arg(ToQString(ShortName(receiver)), ToQString(e.what()))),
                     EPromptButtons::ok, EPromptIcon::error);
        return false;
    } catch (const std::bad_alloc&) {
        m_prompt.Ask(kAppTitle, FromQString(tr("Nothing was sent: there is not enough memory.")),
                     EPromptButtons::ok, EPromptIcon::error);
        return false;
    }
    m_prompt.Ask(kAppTitle, SentMessage(count, ShortName(receiver)), EPromptButtons::ok,
                 EPromptIcon::information);
    return true;
}

void CMainFrame::ReceiveFrom(const CReceiver& receiver) {
    const std::vector<std::string> files = GpxFilesIn(receiver.m_strGpxFolder);
    std::error_code ec;
    const bool visits = fs::exists(receiver.m_strVisitsFile, ec) && ActiveView();
    if (files.empty() && !visits) {
        m_prompt.Ask(kAppTitle,
                     FromQString(tr("There are no waypoints on %1 (%2).")
                                     .arg(ToQString(ShortName(receiver)),
                                          ToQString(receiver.m_strGpxFolder))),
                     EPromptButtons::ok, EPromptIcon::information);
        return;
    }
    if (visits)
        MarkVisited(receiver);
    if (files.empty())
        return;
    CDocRecord* rec = m_pDocManager->ActiveRecord();
    if (rec) {
        const EPromptAnswer answer =
            m_prompt.Ask(kAppTitle,
                         FromQString(tr("Merge the waypoints of %1 into this document?\n\n"
                                        "No opens them as a new document.")
                                         .arg(ToQString(ShortName(receiver)))),
                         EPromptButtons::yesNoCancel, EPromptIcon::question);
        if (answer == EPromptAnswer::cancel)
            return;
        if (answer == EPromptAnswer::no)
            rec = nullptr;
    }
    if (!rec) {
        m_pDocManager->OnFileNew();
        rec = m_pDocManager->ActiveRecord();
    }
    if (!rec)
        return;
    const bool modified = rec->m_pDoc->IsModified();
    CAddRecorder recorder(*rec->m_pDoc);
    CFileCommands commands(m_prompt, &m_chooser, &m_pDocManager->Progress());
    ECommandResult result = ECommandResult::done;
    for (const std::string& file : files)
        if ((result = commands.MergePath(*rec->m_pDoc, file)) != ECommandResult::done)
            break;
    KeepOrTakeBack(*rec, recorder.Finish(tr("Receive")), result, modified);
    m_pDocManager->TellNotices(*rec->m_pDoc);
    UpdateCommandUI();
}

void CMainFrame::MarkVisited(const CReceiver& receiver) {
    CDocRecord* rec = m_pDocManager->ActiveRecord();
    if (!rec)
        return;
    CCairnbookDoc& doc = *rec->m_pDoc;
    CVisitMarks marks;
    try {
        marks = MarkVisits(doc, ReadVisitsFile(receiver.m_strVisitsFile));
    } catch (const CArchiveException& e) {
        m_prompt.Ask(kAppTitle,
                     FromQString(tr("The visits of %1 could not be read.\n\n%2")
                                     .arg(ToQString(ShortName(receiver)), ToQString(e.what()))),
                     EPromptButtons::ok, EPromptIcon::warning);
        return;
    }
    if (!marks.m_found.empty()) {
        std::vector<CAddCommand::CReplaced> replaced;
        {
            CCairnbookDoc::CChangeBatch batch(doc);
            for (const auto& [place, found] : marks.m_found) {
                replaced.push_back({place, *doc.Entries()[place], found});
                doc.AssignEntry(place, found);
            }
        }
        rec->m_pUndo->push(new CAddCommand(
            doc,
            marks.m_found.size() == 1 ? tr("Mark 1 Cache Found")
                                      : tr("Mark %1 Caches Found").arg(marks.m_found.size()),
            doc.Entries().size(), std::move(replaced)));
        doc.SetModifiedFlag();
    }
    QString text =
        marks.m_found.size() == 1
            ? tr("1 cache of this document is now marked found.")
            : tr("%1 caches of this document are now marked found.").arg(marks.m_found.size());
    if (marks.m_nAlready)
        text += " " + tr("%1 were found already.").arg(marks.m_nAlready);
    if (!marks.m_missing.empty()) {
        text += "\n\n" + tr("%1 logged %2 visits of caches that are not in this document:")
                             .arg(ToQString(ShortName(receiver)))
                             .arg(marks.m_missing.size());
        for (const CVisit& v : marks.m_missing)
            text += ToQString("\n" + v.m_strCode + "  " + v.m_strTime.substr(0, 10) + "  " +
                              v.m_strType);
    }
    m_prompt.Ask(kAppTitle, FromQString(text), EPromptButtons::ok, EPromptIcon::information);
}
