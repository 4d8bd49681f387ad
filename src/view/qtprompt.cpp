// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprompt.h"

#include "textcodec.h"
#include "translate.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

namespace {

QMessageBox::Icon ToIcon(EPromptIcon icon) {
    switch (icon) {
    case EPromptIcon::question: return QMessageBox::Question;
    case EPromptIcon::warning: return QMessageBox::Warning;
    case EPromptIcon::error: return QMessageBox::Critical;
    case EPromptIcon::information: break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ToButtons(EPromptButtons buttons) {
    switch (buttons) {
    case EPromptButtons::okCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case EPromptButtons::yesNo: return QMessageBox::Yes | QMessageBox::No;
    case EPromptButtons::yesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case EPromptButtons::ok: break;
    }
    return QMessageBox::Ok;
}

EPromptAnswer FromButton(int button) {
    switch (button) {
    case QMessageBox::Ok: return EPromptAnswer::ok;
    case QMessageBox::Yes: return EPromptAnswer::yes;
    case QMessageBox::No: return EPromptAnswer::no;
    default: return EPromptAnswer::cancel;
    }
}

constexpr const char* kLastFolderKey = "Files/LastFolder";

// File dialogs start where the user last chose a file, else at home.
QString StartFolder() {
    const QString last = QSettings().value(kLastFolderKey).toString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

std::optional<CChosenFile> Chosen(const QString& path, const QStringList& filters,
                                  const QString& selected) {
    if (path.isEmpty())
        return std::nullopt;
    QSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
    const qsizetype index = filters.indexOf(selected);
    return CChosenFile{path.toStdString(), index < 0 ? 1 : static_cast<int>(index) + 1};
}

} // namespace

// The data core asks in English: its fixed lines are shown translated.
EPromptAnswer CQtPrompt::Ask(const std::string& caption, const std::string& text,
                             EPromptButtons buttons, EPromptIcon icon) {
    QMessageBox box(ToIcon(icon), TranslatedLines(ToQString(caption)),
                    VisibleControls(TranslatedLines(ToQString(text)), true), ToButtons(buttons),
                    m_pOwner);
    return FromButton(box.exec());
}

EPromptAnswer CQtPrompt::AskWithDetails(const std::string& caption, const std::string& text,
                                        const std::string& details, EPromptButtons buttons,
                                        EPromptIcon icon) {
    QMessageBox box(ToIcon(icon), TranslatedLines(ToQString(caption)),
                    VisibleControls(TranslatedLines(ToQString(text)), true), ToButtons(buttons),
                    m_pOwner);
    box.setDetailedText(ToQString(details)); // the box adds "Show Details..."
    return FromButton(box.exec());
}

QStringList ToQtFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        // A description that shows its pattern already ("GPX Files (*.gpx)")
        // shows it once: the dialog's own pattern takes that place.
        static const QRegularExpression shown(R"(\s*\([^()]*\)\s*$)");
        out << ResText(parts[i].toUtf8().constData()).remove(shown) + " (" + patterns + ")";
    }
    return out;
}

std::optional<CChosenFile> CQtFileChooser::ChooseOpen(const std::string& title,
                                                      const std::string& filter) {
    const QStringList filters = ToQtFilters(filter);
    QString selected = filters.value(0);
    const QString path = QFileDialog::getOpenFileName(m_pOwner, QString::fromStdString(title),
                                                      StartFolder(), filters.join(";;"), &selected);
    return Chosen(path, filters, selected);
}

std::optional<CChosenFile> CQtFileChooser::ChooseSave(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& proposed) {
    const QStringList filters = ToQtFilters(filter);
    QString selected = filters.value(0);
    // An existing file is replaced without asking, and no extension is added
    // here: the caller adds the one of the chosen filter.
    // A proposed name without a folder (a new document's) goes in the last one.
    QString start = QString::fromStdString(proposed);
    if (QFileInfo(start).isRelative())
        start = QDir(StartFolder()).filePath(start);
    const QString path = QFileDialog::getSaveFileName(m_pOwner, QString::fromStdString(title),
                                                      start, filters.join(";;"), &selected,
                                                      QFileDialog::DontConfirmOverwrite);
    return Chosen(path, filters, selected);
}

std::optional<std::string> CQtFileChooser::ChooseFolder(const std::string& title) {
    // Receivers are mounted under /media or /run/media: start where drives are.
    QString start = "/run/media/" + qEnvironmentVariable("USER");
    if (!QFileInfo(start).isDir())
        start = QFileInfo("/media/" + qEnvironmentVariable("USER")).isDir()
                    ? "/media/" + qEnvironmentVariable("USER")
                    : StartFolder();
    const QString folder =
        QFileDialog::getExistingDirectory(m_pOwner, QString::fromStdString(title), start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdString();
}
