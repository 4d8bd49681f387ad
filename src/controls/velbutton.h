// SPDX-License-Identifier: GPL-3.0-or-later
// A flat bevelled push button whose text holds two captions, "first\nsecond":
// the checked state chooses which one shows.
#pragma once

#include <QPushButton>

class CVelButton : public QPushButton {
    Q_OBJECT
public:
    explicit CVelButton(const QString& text, QWidget* parent = nullptr);

    void SetCheck(bool state) { m_bChecked = state; }
    bool GetCheck() const { return m_bChecked; }
    // The caption shown for the current state.
    QString Caption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_bChecked = false;
};
