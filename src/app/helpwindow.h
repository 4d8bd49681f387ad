// SPDX-License-Identifier: GPL-3.0-or-later
// The user's manual, shown in a window of its own beside the main window.
#pragma once

#include <QWidget>

class QTextBrowser;

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the manual at a section ("map", "list", ...; empty: the top) and
    // brings the window forward.
    void ShowSection(const QString& section);
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    QTextBrowser* m_pBrowser;
};
