// SPDX-License-Identifier: GPL-3.0-or-later
// A long read or write of a file shown as a progress dialog with Cancel: it
// appears only when the work takes a while, and while it shows, the windows
// keep painting.
#pragma once

#include "prompt.h"

#include <QPointer>
#include <QProgressDialog>

class CQtProgress : public CProgress {
public:
    explicit CQtProgress(QWidget* owner) : m_pOwner(owner) {}
    ~CQtProgress() override;
    bool Step(const std::string& path, bool saving, std::uint64_t done,
              std::uint64_t total) override;
    void Finished() override;
    // Nobody to see it (a screenshot or print run): nothing is shown.
    void SetQuiet(bool quiet) { m_bQuiet = quiet; }
    // Shown this long after a read or write began, when it has not ended.
    static constexpr int kShowAfterMs = 300;
    QProgressDialog* Dialog() const { return m_pDialog; }

private:
    QWidget* m_pOwner;
    QPointer<QProgressDialog> m_pDialog;
    bool m_bQuiet = false;
};
