// SPDX-License-Identifier: GPL-3.0-or-later
// How the document asks the user: the GUI answers with message boxes and file
// dialogs, the command-line tool with its options, tests with scripted replies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class EPromptButtons { ok, okCancel, yesNo, yesNoCancel };
enum class EPromptIcon { information, question, warning, error };
enum class EPromptAnswer { ok, cancel, yes, no };

class CPrompt {
public:
    virtual ~CPrompt() = default;
    // caption and text are UTF-8.
    virtual EPromptAnswer Ask(const std::string& caption, const std::string& text,
                              EPromptButtons buttons, EPromptIcon icon) = 0;
    // The same question with details the user may open ("Show Details...").
    virtual EPromptAnswer AskWithDetails(const std::string& caption, const std::string& text,
                                         const std::string& details, EPromptButtons buttons,
                                         EPromptIcon icon) {
        (void)details;
        return Ask(caption, text, buttons, icon);
    }
};

// How far a long read or write of a file got: the program shows it with a
// Cancel button, so that a big file never leaves a window without a sign of life.
class CProgress {
public:
    virtual ~CProgress() = default;
    // done of total bytes of path (total 0: not known); false when the user
    // cancelled, and the read or write then stops with nothing changed.
    virtual bool Step(const std::string& path, bool saving, std::uint64_t done,
                      std::uint64_t total) = 0;
    // The read or write ended, whichever way.
    virtual void Finished() {}
};

struct CChosenFile {
    std::string m_strPath;
    int m_nFilterIndex = 1; // 1-based, as the filter string lists them
};

class CFileChooser {
public:
    virtual ~CFileChooser() = default;
    // filter is "description|patterns|...||"; nothing when the user cancels.
    virtual std::optional<CChosenFile> ChooseOpen(const std::string& title,
                                                  const std::string& filter) = 0;
    // proposed: the path the dialog starts with (empty: none).
    virtual std::optional<CChosenFile> ChooseSave(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& proposed = {}) = 0;
    // A folder (a receiver the program does not know); nothing when cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
};
