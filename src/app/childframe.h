// SPDX-License-Identifier: GPL-3.0-or-later
// A document window inside the main window: one view of one document.
#pragma once

#include <QMdiSubWindow>

#include <functional>

class CCairnbookView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(CCairnbookView* view, QWidget* parent = nullptr);
    CCairnbookView* View() const { return m_pView; }

    static constexpr int kInitialWidth = 900;
    static constexpr int kInitialHeight = 450;

    // Asked before the window closes; false keeps it open.
    std::function<bool(CChildFrame*)> m_fnCanClose;
    // Told once the window has closed.
    std::function<void(CChildFrame*)> m_fnClosed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CCairnbookView* m_pView;
};
