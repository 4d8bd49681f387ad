// SPDX-License-Identifier: GPL-3.0-or-later
// The map source menu: the sources defined, an MBTiles file added to them,
// the definitions read again.
#include "mainframe.h"

#include "mapsource.h"
#include "prompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "textcodec.h"
#include "tileservice.h"
#include "translate.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <algorithm>

using namespace res;

void CMainFrame::FillMapSources(QMenu* menu) {
    const QString current = CTileService::Instance().Source().m_strName;
    for (const CMapSource& source : AllMapSources()) {
        QAction* a = menu->addAction(source.m_strName);
        a->setCheckable(true);
        a->setChecked(source.m_strName == current);
        connect(a, &QAction::triggered, this, [this, source] { ChooseMapSource(source); });
    }
    menu->addSeparator();
    connect(menu->addAction(ResText(kOpenMbTiles)), &QAction::triggered, this,
            &CMainFrame::OnOpenMbTiles);
    connect(menu->addAction(ResText(kReloadMapSources)), &QAction::triggered, this,
            &CMainFrame::OnReloadMapSources);
}

void CMainFrame::TellMapSourceProblems() {
    QStringList problems;
    AllMapSources(&problems);
    for (const QString& problem : problems)
        CTileService::Instance().Tell(problem);
}

void CMainFrame::OnReloadMapSources() {
    TellMapSourceProblems();
    // A changed definition of the current source takes effect at once; a
    // source that is gone gives way to the default, which is then ticked.
    const QString name = CTileService::Instance().Source().m_strName;
    const std::vector<CMapSource> all = AllMapSources();
    const auto same = std::find_if(all.begin(), all.end(),
                                   [&](const CMapSource& s) { return s.m_strName == name; });
    if (same != all.end()) {
        ChooseMapSource(*same);
    } else {
        const CMapSource fallback = FallbackMapSource(name);
        ChooseMapSource(fallback);
        CTileService::Instance().Tell(
            tr("The map source \"%1\" is no longer defined. Showing %2 instead.")
                .arg(name, fallback.m_strName));
    }
    BuildMenus();
}

void CMainFrame::ChooseMapSource(const CMapSource& source) {
    SetCurrentMapSource(source.m_strName);
    CTileService::Instance().SetSource(source);           // every map follows
    QTimer::singleShot(0, this, &CMainFrame::BuildMenus); // the check mark moves
}

void CMainFrame::OnOpenMbTiles() {
    const auto chosen =
        m_chooser.ChooseOpen(FromQString(ResText(kOpenMbTiles)),
                             FromQString(tr("MBTiles Files (*.mbtiles)|*.mbtiles||")));
    if (!chosen)
        return;
    // Kept with the user's own sources, so it stays in the list; added as
    // text, so that what the user wrote in the file stays as it was.
    QString name, error;
    if (!AppendMbTilesSource(MapSourcesFile(), QString::fromStdString(chosen->m_strPath), name,
                             error)) {
        m_prompt.Ask(kAppTitle,
                     FromQString(tr("%1 could not be written: %2").arg(MapSourcesFile(), error)),
                     EPromptButtons::ok, EPromptIcon::warning);
        return;
    }
    ChooseMapSource(MapSourceFromArgument(name));
}
