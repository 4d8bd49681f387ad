// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar above the list: typing selects the next waypoint whose name,
// comment or Additional Info holds the text; Enter and F3 go on, Shift+F3
// goes back, Escape closes the bar.
#include "cairnbookdoc.h"
#include "finding.h"
#include "listface.h"
#include "textcodec.h"
#include "xlistctrl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void CListFace::OpenFind() {
    if (!m_pFindBar) {
        m_pFindBar = new QWidget(this);
        auto* layout = new QHBoxLayout(m_pFindBar);
        layout->setContentsMargins(4, 2, 4, 2);
        layout->addWidget(new QLabel(tr("Find:"), m_pFindBar));
        m_pFindEdit = new QLineEdit(m_pFindBar);
        m_pFindEdit->setObjectName("FindText");
        layout->addWidget(m_pFindEdit, 1);
        m_pFindStatus = new QLabel(m_pFindBar);
        layout->addWidget(m_pFindStatus, 1);
        // Offered when the hit lies beyond the rows the list shows.
        m_pFindShowAll = new QPushButton(tr("Show All Waypoints"), m_pFindBar);
        m_pFindShowAll->setObjectName("FindShowAll");
        m_pFindShowAll->hide();
        layout->addWidget(m_pFindShowAll);
        connect(m_pFindShowAll, &QPushButton::clicked, this, [this] {
            emit ShowAllWanted();
            Fill(); // at once: the hit is selected next
            FindStep(true, true);
            m_pFindEdit->setFocus();
        });
        m_pFindEdit->installEventFilter(this);
        connect(m_pFindEdit, &QLineEdit::textEdited, this, [this] { FindStep(true, true); });
    }
    m_pFindBar->show();
    // The hits must show while the typing goes on in the bar.
    m_pList->m_bShowSelAlways = true;
    Layout();
    m_pFindEdit->setFocus();
    m_pFindEdit->selectAll();
}

void CListFace::FindAgain(bool forward) {
    // With nothing looked for yet, F3 asks what to look for.
    if (!m_pFindEdit || m_pFindEdit->text().isEmpty()) {
        OpenFind();
        return;
    }
    FindStep(forward, false);
    // What the step has to say ("Not found", a hit beyond the rows) shows.
    if (!m_pFindStatus->text().isEmpty() && m_pFindBar->isHidden()) {
        m_pFindBar->show();
        m_pList->m_bShowSelAlways = true;
        Layout();
    }
}

void CListFace::CloseFind() {
    if (!m_pFindBar)
        return;
    m_pFindBar->hide();
    m_pList->m_bShowSelAlways = false;
    Layout();
    m_pList->setFocus();
}

bool CListFace::FindKey(QKeyEvent* key) {
    const bool f3 = key->key() == Qt::Key_F3;
    if (key->key() == Qt::Key_Escape) {
        CloseFind();
        return true;
    }
    if (f3 || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        FindStep(!(f3 && key->modifiers() & Qt::ShiftModifier), false);
        return true;
    }
    return false;
}

void CListFace::FindStep(bool forward, bool fromCurrent) {
    const std::string needle = FromQString(m_pFindEdit->text());
    const auto& entries = m_doc.Entries();
    // Typing tries the current waypoint first; going on starts after it.
    const int current = m_pList->ItemOf(m_pList->GetSelectionMark());
    std::size_t from =
        current >= 0 ? static_cast<std::size_t>(current) : (forward ? entries.size() - 1 : 0);
    if (fromCurrent && current >= 0)
        from = from == 0 ? entries.size() - 1 : from - 1;
    m_pFindStatus->clear();
    m_pFindShowAll->hide();
    if (needle.empty() || entries.empty())
        return;
    const auto hit = FindWaypoint(entries, needle, from, forward);
    if (!hit) {
        m_pFindStatus->setText(tr("Not found"));
        return;
    }
    if (const int row = m_pList->RowOfItem(static_cast<int>(*hit)); row >= 0) {
        SelectOnly(row);
        m_pList->viewport()->update();
        return;
    }
    m_pFindStatus->setText(tr("%1 is waypoint %2, beyond the rows shown.")
                               .arg(ToQString(entries[*hit]->m_strName))
                               .arg(Grouped(*hit + 1)));
    m_pFindShowAll->show();
}
