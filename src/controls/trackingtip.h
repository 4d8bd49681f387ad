// SPDX-License-Identifier: GPL-3.0-or-later
// A tooltip that the owner places and hides itself: shown at an exact screen
// point, it stays until told to go. Qt's own tooltip moves itself away from
// the point it is given and vanishes after a few seconds.
#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

class CTrackingTip {
public:
    explicit CTrackingTip(QWidget* owner);
    ~CTrackingTip();
    CTrackingTip(const CTrackingTip&) = delete;
    CTrackingTip& operator=(const CTrackingTip&) = delete;

    // Shows text with its top-left corner at the global point.
    void ShowAt(const QPoint& global, const QString& text);
    void Hide();
    bool IsShown() const;
    const QLabel* Label() const { return m_pLabel; }

private:
    QLabel* m_pLabel; // a window owned by the owner widget
};
