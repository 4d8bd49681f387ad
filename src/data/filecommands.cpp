// SPDX-License-Identifier: GPL-3.0-or-later
#include "filecommands.h"

#include "archiveexception.h"
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "prompt.h"
#include "res/strings.h"

#include <new>

template <typename F>
ECommandResult CFileCommands::Guard(bool saving, const std::string& path, F&& run) {
    try {
        return run();
    } catch (const CArchiveException& e) {
        if (e.m_cause == CArchiveException::cancelled)
            return ECommandResult::cancelled; // the user knows
        m_prompt.Ask(res::kAppTitle, CCairnbookDoc::FailureReport(saving, e), EPromptButtons::ok,
                     EPromptIcon::warning);
    } catch (const std::bad_alloc&) {
        Fail(saving, path, "there is not enough memory");
    } catch (const std::exception& e) {
        Fail(saving, path, e.what());
    }
    return ECommandResult::failed;
}

void CFileCommands::Fail(bool saving, const std::string& path, const std::string& why) {
    m_prompt.Ask(res::kAppTitle,
                 std::string(saving ? res::kFailedToSave : res::kFailedToOpen) + "\n\n" + path +
                     ": " + why,
                 EPromptButtons::ok, EPromptIcon::warning);
}

std::unique_ptr<CCairnbookDoc> CFileCommands::Open(const std::string& path,
                                                   ECommandResult* outcome) {
    std::unique_ptr<CCairnbookDoc> doc;
    const ECommandResult result = Guard(false, path, [&] {
        doc = std::make_unique<CCairnbookDoc>(m_prompt);
        doc->SetFileChooser(m_pChooser);
        doc->SetProgress(m_pProgress);
        doc->LoadFile(path);
        doc->SetPathName(path);
        doc->SetModifiedFlag(false);
        return ECommandResult::done;
    });
    if (result != ECommandResult::done)
        doc.reset();
    if (outcome)
        *outcome = result;
    return doc;
}

ECommandResult CFileCommands::Save(CCairnbookDoc& doc, const std::string& path) {
    return Guard(true, path, [&] {
        return doc.SaveFile(path) == ESaveResult::saved ? ECommandResult::done
                                                        : ECommandResult::cancelled;
    });
}

namespace {

// The filter's extension for a chosen name that has none of its own.
std::string WithExtension(std::string path, const std::string& filter, int index) {
    const std::string ext = FilterExtension(filter, index);
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        path += ext.empty() ? "." + NativeFormat().Extension() : ext;
    return path;
}

} // namespace

std::optional<std::string> CFileCommands::ChooseSaveAs(const std::string& proposed) {
    if (!m_pChooser)
        return std::nullopt;
    const std::string filter = SaveAsFilter();
    const auto chosen = m_pChooser->ChooseSave("Save As", filter, proposed);
    if (!chosen)
        return std::nullopt;
    return WithExtension(chosen->m_strPath, filter, chosen->m_nFilterIndex);
}

ECommandResult CFileCommands::Merge(CCairnbookDoc& doc) {
    if (!m_pChooser)
        return ECommandResult::cancelled;
    const auto chosen = m_pChooser->ChooseOpen(res::kMergeCaption, MergeFilter());
    if (!chosen)
        return ECommandResult::cancelled;
    return MergePath(doc, chosen->m_strPath);
}

ECommandResult CFileCommands::MergePath(CCairnbookDoc& doc, const std::string& path) {
    return Guard(false, path, [&] {
        doc.MergeFile(path);
        return ECommandResult::done;
    });
}

ECommandResult CFileCommands::Export(CCairnbookDoc& doc) {
    if (!m_pChooser)
        return ECommandResult::cancelled;
    const std::string filter = ExportFilter();
    const auto chosen = m_pChooser->ChooseSave(res::kExportCaption, filter);
    if (!chosen)
        return ECommandResult::cancelled;
    // Export always adds the chosen filter's extension unless the name ends in it.
    const std::string ext = FilterExtension(filter, chosen->m_nFilterIndex);
    std::string path = chosen->m_strPath;
    if (path.size() < ext.size() || path.compare(path.size() - ext.size(), ext.size(), ext) != 0)
        path += ext;
    return Save(doc, path);
}
