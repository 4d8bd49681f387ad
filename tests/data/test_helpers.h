// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompt.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

struct CAsked {
    std::string m_strCaption;
    std::string m_strText;
    EPromptButtons m_buttons;
    std::string m_strDetails;
};

// Answers from a script (default: the first button's refusal) and records every question.
class CScriptedPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string& caption, const std::string& text, EPromptButtons buttons,
                      EPromptIcon icon) override;
    EPromptAnswer AskWithDetails(const std::string& caption, const std::string& text,
                                 const std::string& details, EPromptButtons buttons,
                                 EPromptIcon icon) override;
    std::deque<EPromptAnswer> m_answers;
    std::vector<CAsked> m_asked;
};

class CScriptedChooser : public CFileChooser {
public:
    std::optional<CChosenFile> ChooseOpen(const std::string& title,
                                          const std::string& filter) override;
    std::optional<CChosenFile> ChooseSave(const std::string& title, const std::string& filter,
                                          const std::string& proposed = {}) override;
    std::optional<std::string> ChooseFolder(const std::string& title) override;
    std::optional<CChosenFile> m_next;
    std::string m_strProposed;
    std::string m_strTitle;
    std::string m_strFilter;
};

// A fresh folder under the system's temporary folder, removed with the object.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    std::string Path(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

class CCairnbookDoc;
// The whole state of the document, as bytes to compare.
std::string StateBytes(CCairnbookDoc& doc);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Little-endian pieces for building files by hand.
std::string U32(std::uint32_t v);
std::string F64(double v);
std::string Str(const std::string& s); // archive string, short form
