// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdlg.h"

#include "imagelist.h"
#include "res/strings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(res::kAboutCaption);
    auto* grid = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/res/cairnbook.svg").pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(res::kVersionText, this), 0, 1);
    // The texts carry their own line breaks.
    auto* text =
        new QLabel(QString(res::kAboutText) + "\n\n" + res::kAboutCredit + "\n\n" +
                       res::kLicenceNotice + "\n" + QString(res::kThirdParty).arg(qVersion()),
                   this);
    grid->addWidget(text, 1, 1);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    // The strip of waypoint symbols along the bottom edge.
    auto* strip = new QLabel(this);
    strip->setPixmap(QPixmap(":/res/waypoint-icons.png"));
    grid->addWidget(strip, 2, 0, 1, 3, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
