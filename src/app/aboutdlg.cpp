// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdlg.h"

#include "imagelist.h"
#include "mapsource.h"
#include "res/strings.h"
#include "tileservice.h"
#include "translate.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ResText(res::kAboutCaption));
    auto* grid = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/res/cairnbook.svg").pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(res::kVersionText, this), 0, 1);
    // The texts carry their own line breaks. The map data shown is credited
    // as its licence asks; the area service has its own credit.
    const CMapSource& source = CTileService::Instance().Source();
    const QString credit =
        source.m_strAttribution.isEmpty()
            ? ResText(res::kAboutCredit)
            : tr("Map data %1 (%2).").arg(source.m_strAttribution, source.m_strName);
    auto* text = new QLabel(ResText(res::kAboutText) + "\n\n" + credit + "\n\n" +
                                ResText(res::kLicenceNotice) + "\n" +
                                ResText(res::kThirdParty).arg(qVersion()),
                            this);
    grid->addWidget(text, 1, 1);
    auto* page = new QLabel(
        QString("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(res::kProjectAddress)), this);
    page->setOpenExternalLinks(true);
    page->setTextInteractionFlags(Qt::TextBrowserInteraction);
    grid->addWidget(page, 2, 1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    // The strip of waypoint symbols along the bottom edge.
    auto* strip = new QLabel(this);
    strip->setPixmap(
        QPixmap::fromImage(CImageList::LoadStrip(":/res/waypoint-icons.png", devicePixelRatioF())));
    grid->addWidget(strip, 3, 0, 1, 3, Qt::AlignHCenter);
    grid->setColumnStretch(1, 1); // the strip's extra width goes to the texts, not beside the icon
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
