// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprogress.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

CQtProgress::~CQtProgress() {
    delete m_pDialog;
}

bool CQtProgress::Step(const std::string& path, bool saving, std::uint64_t done,
                       std::uint64_t total) {
    if (m_bQuiet)
        return true;
    if (!m_pDialog) {
        const QString name = QFileInfo(QString::fromStdString(path)).fileName();
        m_pDialog = new QProgressDialog(
            (saving ? QCoreApplication::translate("CQtProgress", "Saving %1...")
                    : QCoreApplication::translate("CQtProgress", "Reading %1..."))
                .arg(name),
            QCoreApplication::translate("CQtProgress", "Cancel"), 0, 1000, m_pOwner);
        m_pDialog->setWindowTitle("Cairnbook");
        m_pDialog->setWindowModality(Qt::ApplicationModal);
        m_pDialog->setMinimumDuration(kShowAfterMs);
        m_pDialog->setAutoClose(false);
        m_pDialog->setAutoReset(false);
        m_pDialog->setValue(0);
    }
    // Once shown, the modal dialog runs the event loop as its value changes:
    // the windows paint and Cancel is heard. Before, nothing else runs.
    m_pDialog->setValue(
        int(std::min<std::uint64_t>(999, done * 1000 / std::max<std::uint64_t>(total, 1))));
    // Past a gigabyte a step may not move the bar: the windows paint anyway.
    if (m_pDialog->isVisible())
        QCoreApplication::processEvents();
    return !m_pDialog->wasCanceled();
}

void CQtProgress::Finished() {
    delete m_pDialog;
}
