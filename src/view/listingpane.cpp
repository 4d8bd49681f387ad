// SPDX-License-Identifier: GPL-3.0-or-later
#include "listingpane.h"

#include "cacheties.h"
#include "cairnbookdoc.h"
#include "listinghtml.h"

#include <QDesktopServices>

CListingPane::CListingPane(const CCairnbookDoc& doc, QWidget* parent)
    : QTextBrowser(parent), m_doc(doc) {
    setObjectName("Listing");
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &CListingPane::OnLink);
}

void CListingPane::Show(std::optional<std::size_t> place) {
    if (place != m_place)
        m_bHintShown = false; // each listing's hint stays hidden until asked for
    m_place = place;
    Refresh();
}

void CListingPane::Refresh() {
    if (!m_place || *m_place >= m_doc.Entries().size()) {
        m_place.reset();
        clear();
        return;
    }
    const CCacheTies ties(m_doc.Entries());
    setHtml(QString::fromStdString(ListingHtml(m_doc, *m_place, ties, m_bHintShown)));
}

QVariant CListingPane::loadResource(int, const QUrl&) {
    return {}; // nothing is fetched, from the network or the disk
}

void CListingPane::OnLink(const QUrl& url) {
    const std::string link = url.toString().toStdString();
    if (link == kShowHintLink) {
        m_bHintShown = true;
        Refresh();
    } else if (link.starts_with(kSelectLink)) {
        const std::string n = link.substr(kSelectLink.size());
        if (!n.empty() && n.find_first_not_of("0123456789") == std::string::npos)
            emit SelectPlace(std::stoul(n));
    } else if (url.scheme() == "http" || url.scheme() == "https" || url.scheme() == "mailto") {
        QDesktopServices::openUrl(url);
    }
}
