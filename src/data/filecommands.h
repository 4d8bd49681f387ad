// SPDX-License-Identifier: GPL-3.0-or-later
// Every file command of the program (Open, Save, Save As, Merge, Export,
// Save Selected) runs here, and every failure is told the same way: which
// file, and why, out of memory included. Nothing here needs a window.
#pragma once

#include <memory>
#include <optional>
#include <string>

class CCairnbookDoc;
class CPrompt;
class CFileChooser;
class CProgress;

// cancelled: the user declined a question or stopped a long read or write;
// nothing changed.
enum class ECommandResult { done, cancelled, failed };

class CFileCommands {
public:
    CFileCommands(CPrompt& prompt, CFileChooser* chooser, CProgress* progress = nullptr)
        : m_prompt(prompt), m_pChooser(chooser), m_pProgress(progress) {}

    // A new document read from path; nothing after telling why not.
    std::unique_ptr<CCairnbookDoc> Open(const std::string& path, ECommandResult* result = nullptr);
    // Writes doc's waypoints marked for saving to path.
    ECommandResult Save(CCairnbookDoc& doc, const std::string& path);
    // Asks where, proposing proposed; a name without an extension takes the
    // chosen filter's.
    std::optional<std::string> ChooseSaveAs(const std::string& proposed);
    // Asks for a file and merges it into doc.
    ECommandResult Merge(CCairnbookDoc& doc);
    // Merges path into doc (a receiver's file).
    ECommandResult MergePath(CCairnbookDoc& doc, const std::string& path);
    // Asks where and writes doc's waypoints marked for saving.
    ECommandResult Export(CCairnbookDoc& doc);

private:
    template <typename F> ECommandResult Guard(bool saving, const std::string& path, F&& run);
    void Fail(bool saving, const std::string& path, const std::string& why);

    CPrompt& m_prompt;
    CFileChooser* m_pChooser;
    CProgress* m_pProgress;
};
