// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Built into the program, so help works wherever the binary runs; the same
// page is installed for browsers.
const QUrl kManual(QStringLiteral("qrc:/doc/manual.html"));

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Cairnbook Help"));
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setOpenExternalLinks(true); // web addresses go to the desktop's browser
    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* close = new QPushButton(tr("Close"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowSection({}); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    new QShortcut(QKeySequence::Close, this, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pBrowser);
    resize(720, 640);
}

void CHelpWindow::ShowSection(const QString& section) {
    QUrl url = kManual;
    if (!section.isEmpty())
        url.setFragment(section);
    m_pBrowser->setSource(url);
    show();
    raise();
    activateWindow();
}
