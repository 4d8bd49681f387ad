// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar above the list: cache types (a check list), difficulty and
// terrain ranges, state, found or not, distance from the reference point in
// the window's unit, and text; every change applies at once.
#include "geodesy.h"
#include "listface.h"
#include "textcodec.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

const char* const kCacheTypes[] = {"Traditional Cache", "Multi-cache",   "Unknown Cache",
                                   "Letterbox Hybrid",  "Wherigo Cache", "Event Cache",
                                   "Virtual Cache",     "Webcam Cache",  "Earthcache"};

QLineEdit* Field(QWidget* bar, const char* name, const QString& hint, int width) {
    auto* edit = new QLineEdit(bar);
    edit->setObjectName(name);
    edit->setPlaceholderText(hint);
    edit->setMaximumWidth(width);
    return edit;
}

QComboBox* Choice(QWidget* bar, const char* name, const QStringList& items) {
    auto* box = new QComboBox(bar);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

} // namespace

void CListFace::CreateFilterBar() {
    m_pFilterBar = new QWidget(this);
    m_pFilterBar->setObjectName("FilterBar");
    auto* layout = new QHBoxLayout(m_pFilterBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Filter:"), m_pFilterBar));
    auto* types = new QToolButton(m_pFilterBar);
    types->setObjectName("FilterTypes");
    types->setText(tr("Cache Types"));
    types->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(types);
    for (const char* type : kCacheTypes)
        menu->addAction(type)->setCheckable(true);
    types->setMenu(menu);
    layout->addWidget(types);
    auto apply = [this] { SetFilter(FilterOfBar()); };
    connect(menu, &QMenu::triggered, this, apply);
    for (QLineEdit* edit : {Field(m_pFilterBar, "FilterDifficulty", tr("Difficulty 1-5"), 110),
                            Field(m_pFilterBar, "FilterTerrain", tr("Terrain 1-5"), 110),
                            Field(m_pFilterBar, "FilterContainer", tr("Container"), 100),
                            Field(m_pFilterBar, "FilterWithin", tr("Within"), 90)}) {
        layout->addWidget(edit);
        connect(edit, &QLineEdit::textEdited, this, apply);
    }
    for (QComboBox* box :
         {Choice(m_pFilterBar, "FilterStatus",
                 {tr("Any State"), tr("Available"), tr("Disabled"), tr("Archived")}),
          Choice(m_pFilterBar, "FilterFound",
                 {tr("Found or Not"), tr("Found"), tr("Not Found")})}) {
        layout->addWidget(box);
        connect(box, &QComboBox::currentIndexChanged, this, apply);
    }
    QLineEdit* text = Field(m_pFilterBar, "FilterText", tr("Text"), 16777215);
    layout->addWidget(text, 1);
    connect(text, &QLineEdit::textEdited, this, apply);
    auto* clear = new QPushButton(tr("Clear Filter"), m_pFilterBar);
    clear->setObjectName("ClearFilter");
    layout->addWidget(clear);
    connect(clear, &QPushButton::clicked, this, [this] {
        LoadFilterFields(QVariantMap());
        SetFilter(CWaypointFilter());
    });
    // Filters kept by name, for every window.
    auto* saved = new QComboBox(m_pFilterBar);
    saved->setObjectName("SavedFilters");
    layout->addWidget(saved);
    auto* save = new QPushButton(tr("Save Filter..."), m_pFilterBar);
    save->setObjectName("SaveFilter");
    layout->addWidget(save);
    connect(save, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString name = QInputDialog::getText(
            this, tr("Save Filter"), tr("Name of the filter:"), QLineEdit::Normal, QString(), &ok);
        if (ok && !name.trimmed().isEmpty())
            SaveFilterAs(name.trimmed());
    });
    connect(saved, &QComboBox::activated, this, [this, saved](int index) {
        if (index > 0)
            UseSavedFilter(saved->itemText(index));
    });
    FillSavedFilters();
}

void CListFace::FillSavedFilters() {
    auto* saved = m_pFilterBar->findChild<QComboBox*>("SavedFilters");
    saved->clear();
    saved->addItem(tr("Saved Filters"));
    QSettings settings;
    settings.beginGroup(kFiltersGroup);
    saved->addItems(settings.childKeys());
}

QVariantMap CListFace::FilterFields() const {
    QVariantMap fields;
    QStringList types;
    for (const QAction* a : m_pFilterBar->findChild<QToolButton*>("FilterTypes")->menu()->actions())
        if (a->isChecked())
            types << a->text();
    fields["types"] = types;
    for (const QLineEdit* edit : m_pFilterBar->findChildren<QLineEdit*>())
        fields[edit->objectName()] = edit->text();
    for (const QComboBox* box : m_pFilterBar->findChildren<QComboBox*>())
        if (box->objectName() != "SavedFilters")
            fields[box->objectName()] = box->currentIndex();
    return fields;
}

void CListFace::LoadFilterFields(const QVariantMap& fields) {
    const QStringList types = fields.value("types").toStringList();
    for (QAction* a : m_pFilterBar->findChild<QToolButton*>("FilterTypes")->menu()->actions())
        a->setChecked(types.contains(a->text()));
    for (QLineEdit* edit : m_pFilterBar->findChildren<QLineEdit*>())
        edit->setText(fields.value(edit->objectName()).toString());
    for (QComboBox* box : m_pFilterBar->findChildren<QComboBox*>()) {
        const QSignalBlocker quiet(box); // one filter at the end, not one per field
        box->setCurrentIndex(fields.value(box->objectName(), 0).toInt());
    }
}

void CListFace::SaveFilterAs(const QString& name) {
    QSettings().setValue(QString(kFiltersGroup) + "/" + name, FilterFields());
    FillSavedFilters();
}

void CListFace::UseSavedFilter(const QString& name) {
    if (!m_pFilterBar || m_pFilterBar->isHidden())
        ToggleFilterBar();
    LoadFilterFields(QSettings().value(QString(kFiltersGroup) + "/" + name).toMap());
    SetFilter(FilterOfBar());
}

CWaypointFilter CListFace::FilterOfBar() const {
    CWaypointFilter f;
    if (!m_pFilterBar)
        return f;
    for (const QAction* a : m_pFilterBar->findChild<QToolButton*>("FilterTypes")->menu()->actions())
        if (a->isChecked())
            f.m_types.push_back(FromQString(a->text()));
    auto text = [this](const char* name) {
        return FromQString(m_pFilterBar->findChild<QLineEdit*>(name)->text().trimmed());
    };
    f.m_difficulty = ParseRange(text("FilterDifficulty"));
    if (const std::string container = text("FilterContainer"); !container.empty())
        f.m_containers.push_back(container);
    f.m_terrain = ParseRange(text("FilterTerrain"));
    if (const auto within = ParseRange(text("FilterWithin")))
        f.m_withinMetres = within->second * (m_bMetric ? 1000.0 : kMetresPerMile);
    const int status = m_pFilterBar->findChild<QComboBox*>("FilterStatus")->currentIndex();
    if (status > 0)
        f.m_status = status == 1   ? ECacheStatus::available
                     : status == 2 ? ECacheStatus::disabled
                                   : ECacheStatus::archived;
    const int found = m_pFilterBar->findChild<QComboBox*>("FilterFound")->currentIndex();
    if (found > 0)
        f.m_found = found == 1;
    f.m_strText = text("FilterText");
    return f;
}

void CListFace::ToggleFilterBar() {
    if (!m_pFilterBar)
        CreateFilterBar();
    m_pFilterBar->setVisible(m_pFilterBar->isHidden());
    // A hidden bar filters nothing: the list shows every waypoint again.
    SetFilter(m_pFilterBar->isHidden() ? CWaypointFilter() : FilterOfBar());
    Layout();
}
