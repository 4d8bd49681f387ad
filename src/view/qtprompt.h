// SPDX-License-Identifier: GPL-3.0-or-later
// The document's questions and file choices as message boxes and file dialogs.
#pragma once

#include "prompt.h"

#include <QStringList>

class QWidget;

class CQtPrompt : public CPrompt {
public:
    explicit CQtPrompt(QWidget* owner = nullptr) : m_pOwner(owner) {}
    EPromptAnswer Ask(const std::string& caption, const std::string& text, EPromptButtons buttons,
                      EPromptIcon icon) override;
    EPromptAnswer AskWithDetails(const std::string& caption, const std::string& text,
                                 const std::string& details, EPromptButtons buttons,
                                 EPromptIcon icon) override;

private:
    QWidget* m_pOwner;
};

class CQtFileChooser : public CFileChooser {
public:
    explicit CQtFileChooser(QWidget* owner = nullptr) : m_pOwner(owner) {}
    std::optional<CChosenFile> ChooseOpen(const std::string& title,
                                          const std::string& filter) override;
    std::optional<CChosenFile> ChooseSave(const std::string& title, const std::string& filter,
                                          const std::string& proposed = {}) override;
    std::optional<std::string> ChooseFolder(const std::string& title) override;

private:
    QWidget* m_pOwner;
};

// "desc|patterns|desc|patterns||" as Qt's name filters, one per pair.
QStringList ToQtFilters(const std::string& filter);
