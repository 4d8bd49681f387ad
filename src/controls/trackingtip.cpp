// SPDX-License-Identifier: GPL-3.0-or-later
#include "trackingtip.h"

#include <QLabel>

CTrackingTip::CTrackingTip(QWidget* owner) : m_pLabel(new QLabel(owner, Qt::ToolTip)) {
    m_pLabel->setForegroundRole(QPalette::ToolTipText);
    m_pLabel->setBackgroundRole(QPalette::ToolTipBase);
    m_pLabel->setAutoFillBackground(true);
    m_pLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_pLabel->setMargin(2);
    m_pLabel->setTextFormat(Qt::PlainText);
    m_pLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pLabel->setAttribute(Qt::WA_ShowWithoutActivating);
}

CTrackingTip::~CTrackingTip() = default;

void CTrackingTip::ShowAt(const QPoint& global, const QString& text) {
    m_pLabel->setText(text);
    m_pLabel->adjustSize();
    m_pLabel->move(global);
    m_pLabel->show();
}

void CTrackingTip::Hide() {
    m_pLabel->hide();
}

bool CTrackingTip::IsShown() const {
    return m_pLabel->isVisible();
}
