// SPDX-License-Identifier: GPL-3.0-or-later
// The listing pane beside the list: the selected waypoint's listing. It
// fetches nothing: pictures are links, and links open in the browser.
#pragma once

#include <QTextBrowser>

#include <optional>

class CCairnbookDoc;

class CListingPane : public QTextBrowser {
    Q_OBJECT
public:
    CListingPane(const CCairnbookDoc& doc, QWidget* parent);
    // The waypoint at place, or nothing.
    void Show(std::optional<std::size_t> place);
    // The document changed: the page is made again.
    void Refresh();
    std::optional<std::size_t> Shown() const { return m_place; }

signals:
    // A link to one of the cache's waypoints was clicked.
    void SelectPlace(std::size_t place);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void OnLink(const QUrl& url);

    const CCairnbookDoc& m_doc;
    std::optional<std::size_t> m_place;
    bool m_bHintShown = false;
};
