// SPDX-License-Identifier: GPL-3.0-or-later
// Help, About: the program's name, version, purpose and credits.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
