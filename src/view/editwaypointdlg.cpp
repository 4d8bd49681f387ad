// SPDX-License-Identifier: GPL-3.0-or-later
#include "editwaypointdlg.h"

#include "cairnbookdoc.h"
#include "coordinate.h"
#include "imagelist.h"
#include "numtext.h"
#include "prompt.h"
#include "res/strings.h"
#include "res/translate.h"
#include "rowtext.h"
#include "textcodec.h"
#include "translate.h"
#include "utf8text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <charconv>
#include <cmath>

namespace {

constexpr double kMetresPerFootStored = 0.305;
constexpr double kPerMinute = 0.016666666666666666;

// The icon bar's tooltips are the icon names but for these, and 21 has none.
struct CTipException {
    int m_nIcon;
    const char* m_text;
};
constexpr CTipException kTipExceptions[] = {
    {0, TRANSLATE_NOOP("CEditWaypointDlg", "Crossed Square")},
    {18, TRANSLATE_NOOP("CEditWaypointDlg", "Hunt Fish")},
    {20, TRANSLATE_NOOP("CEditWaypointDlg", "Lighthouse")},
    {21, ""},
    {31, TRANSLATE_NOOP("CEditWaypointDlg", "RV Service")},
    {40, TRANSLATE_NOOP("CEditWaypointDlg", "Wrekc")},
    {43, TRANSLATE_NOOP("CEditWaypointDlg", "Multi Cache")},
    {44, TRANSLATE_NOOP("CEditWaypointDlg", "Virual Cache")}};

// The controls that together say a latitude, a longitude, an altitude.
constexpr std::initializer_list<int> kLatitudeFields = {1003, 1004, 1005, 1015};
constexpr std::initializer_list<int> kLongitudeFields = {1006, 1007, 1008, 1016};
constexpr std::initializer_list<int> kAltitudeFields = {1009};

// The buttons break into rows after these.
bool WrapsAfter(int icon) {
    return icon == 13 || icon == 27 || icon == 41;
}

std::optional<double> ParseDouble(QString text) {
    const std::string s = text.trimmed().toStdString();
    double v = 0;
    const char* first = s.data();
    if (!s.empty() && s[0] == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::optional<long long> ParseInteger(QString text) {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional(v) : std::nullopt;
}

} // namespace

QString CEditWaypointDlg::IconTooltip(int icon) {
    for (const CTipException& e : kTipExceptions)
        if (e.m_nIcon == icon)
            return *e.m_text ? tr(e.m_text) : QString();
    return icon >= 0 && icon < kIconCount ? ResText(IconName(icon).c_str()) : QString();
}

CEditWaypointDlg::CEditWaypointDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Edit Waypoint"));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    CreateControls();
    CreateIconBar();
    setFixedSize(Du(0, 0, 235, 250).size());
}

QRect CEditWaypointDlg::Du(int x, int y, int w, int h) const {
    // Dialog units: a quarter of the average character width, an eighth of its height.
    const QFontMetrics fm(font());
    const int bx = fm.averageCharWidth(), by = fm.height();
    return QRect(x * bx / 4, y * by / 8, w * bx / 4, h * by / 8);
}

QLineEdit* CEditWaypointDlg::Edit(int id) const {
    return findChild<QLineEdit*>(QString::number(id));
}
QComboBox* CEditWaypointDlg::Hemisphere(int id) const {
    return findChild<QComboBox*>(QString::number(id));
}
QCheckBox* CEditWaypointDlg::Check(int id) const {
    return findChild<QCheckBox*>(QString::number(id));
}
QLabel* CEditWaypointDlg::Label(int id) const {
    return findChild<QLabel*>(QString::number(id));
}
QToolButton* CEditWaypointDlg::IconButton(int icon) const {
    return m_iconButtons[static_cast<std::size_t>(icon)];
}

void CEditWaypointDlg::CreateControls() {
    auto label = [this](const QString& text, QRect r, int id = 0) {
        auto* l = new QLabel(text, this);
        l->setGeometry(r);
        if (id)
            l->setObjectName(QString::number(id));
        return l;
    };
    auto edit = [this](int id, QRect r, bool digits = false) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        e->setGeometry(r);
        if (digits)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        return e;
    };
    auto combo = [this](int id, QRect r, QStringList items) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::number(id));
        c->addItems(items);
        // Wide enough for the letter beside the drop-down arrow.
        c->setGeometry(r.x(), r.y(), std::max(r.width(), 46), Du(0, 0, 0, 12).height());
        return c;
    };
    label(tr("Name"), Du(7, 7, 40, 8));
    edit(1001, Du(7, 17, 40, 14))->setToolTip(tr("Name (8 chars)"));
    label(tr("Comment"), Du(67, 7, 60, 8));
    edit(1002, Du(67, 16, 112, 14))->setToolTip(tr("Comment (30 chars)"));
    label(tr("Latitude"), Du(9, 41, 60, 8));
    combo(1003, Du(9, 51, 24, 66), {"N", "S"});
    edit(1004, Du(37, 51, 20, 12));
    label("o", Du(58, 46, 8, 8), 1017);
    edit(1005, Du(67, 51, 40, 12));
    label("'", Du(111, 48, 8, 8), 1019);
    edit(1015, Du(97, 51, 20, 12), true)->hide();
    label(tr("Longitude"), Du(7, 73, 60, 8));
    combo(1006, Du(7, 83, 24, 87), {"E", "W"});
    edit(1007, Du(37, 83, 20, 12));
    label("o", Du(58, 77, 8, 8), 1018);
    edit(1008, Du(67, 83, 40, 12));
    label("'", Du(111, 80, 8, 8), 1020);
    edit(1016, Du(97, 83, 20, 12), true);
    label(tr("Altitude"), Du(7, 105, 40, 8));
    edit(1009, Du(7, 115, 40, 14));
    label(tr("Feet"), Du(49, 119, 15, 8), 1021);
    label(tr("Meters"), Du(50, 119, 22, 8), 1022);
    auto* geocache = new QCheckBox(tr("Geocache"), this);
    geocache->setObjectName("1011");
    geocache->setGeometry(Du(77, 119, 49, 10));
    auto* visible = new QCheckBox(tr("Visible"), this);
    visible->setObjectName("1010");
    visible->setGeometry(Du(135, 119, 36, 10));
    label(tr("Additional Info"), Du(7, 138, 80, 8));
    edit(1012, Du(7, 148, 221, 14));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("IDOK");
    ok->setGeometry(Du(178, 43, 50, 20));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEditWaypointDlg::accept);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("IDCANCEL");
    cancel->setGeometry(Du(178, 78, 50, 20));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    label(tr("Icon"), Du(7, 167, 15, 8));
}

void CEditWaypointDlg::CreateIconBar() {
    m_pIcons = new QButtonGroup(this);
    m_pIcons->setExclusive(true);
    const CImageList images = CImageList::FromResource();
    const QRect bar = Du(7, 177, 221, 70);
    const int size = 23; // a toolbar button around a 16 x 16 image
    int x = bar.left(), y = bar.top();
    for (int i = 0; i < kIconCount; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString("icon%1").arg(i));
        b->setCheckable(true);
        b->setAutoRaise(true);
        if (i < images.Count())
            b->setIcon(QIcon(images.Image(i)));
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, y, size, size - 1);
        b->setToolTip(IconTooltip(i));
        m_pIcons->addButton(b, i);
        m_iconButtons[static_cast<std::size_t>(i)] = b;
        x += size;
        if (WrapsAfter(i)) {
            x = bar.left();
            y += size;
        }
    }
}

int CEditWaypointDlg::exec() {
    Start();
    return QDialog::exec();
}

void CEditWaypointDlg::Start() {
    if (m_bStarted)
        return;
    m_bStarted = true;
    ArrangeCoordinateFields();
    if (!m_pEntry)
        m_iconButtons[0]->setChecked(true);
    auto splitInto = [this](double lat, double lon) {
        const CCoordinateParts la = SplitCoordinate(FormatCoordinate(lat, kLatitude));
        const CCoordinateParts lo = SplitCoordinate(FormatCoordinate(lon, kLongitude));
        m_strNS = QString::fromStdString(la.m_strHemisphere);
        m_nLatDeg = static_cast<unsigned>(la.m_nDegrees);
        m_dLatMin = la.m_dMinutes;
        m_nLatSec = static_cast<unsigned>(la.m_nSeconds);
        m_strEW = QString::fromStdString(lo.m_strHemisphere);
        m_nLonDeg = static_cast<unsigned>(lo.m_nDegrees);
        m_dLonMin = lo.m_dMinutes;
        m_nLonSec = static_cast<unsigned>(lo.m_nSeconds);
    };
    // Only the longitude tells whether a position was preset.
    if (m_dLongitude != 0.0) {
        splitInto(m_dLatitude, m_dLongitude);
        m_start.m_dLat = m_dLatitude;
        m_start.m_dLon = m_dLongitude;
    }
    if (m_pEntry) {
        m_strName = ToQString(m_pEntry->m_strName);
        m_strComment = ToQString(m_pEntry->m_strComment);
        m_bGeocache = m_pEntry->m_bGeocache;
        m_bVisible = m_pEntry->m_bVisible;
        splitInto(m_pEntry->m_dLatitude, m_pEntry->m_dLongitude);
        m_start.m_dLat = m_pEntry->m_dLatitude;
        m_start.m_dLon = m_pEntry->m_dLongitude;
        m_start.m_dAlt = m_pEntry->m_dAltitude;
        m_nAltitude = DisplayAltitude(m_pEntry->m_dAltitude, m_bMetric); // as the list shows it
        m_strAdditionalInfo = ToQString(m_pEntry->m_strAdditionalInfo);
        if (m_pEntry->m_nIcon < kIconCount)
            m_iconButtons[m_pEntry->m_nIcon]->setChecked(true);
    }
    PushToControls();
    m_start.m_strLat = FieldTexts(kLatitudeFields);
    m_start.m_strLon = FieldTexts(kLongitudeFields);
    m_start.m_strAlt = FieldTexts(kAltitudeFields);
}

QString CEditWaypointDlg::FieldTexts(std::initializer_list<int> ids) const {
    QString texts;
    for (int id : ids)
        texts += (Edit(id) ? Edit(id)->text() : Hemisphere(id)->currentText()) + '\n';
    return texts;
}

void CEditWaypointDlg::ArrangeCoordinateFields() {
    switch (g_nCoordFormat) {
    case 0:
        Edit(1015)->hide();
        Edit(1016)->hide();
        break;
    case 2:
        for (int id : {1004, 1007, 1015, 1016})
            Edit(id)->hide();
        for (int id : {1019, 1020, 1017, 1018})
            Label(id)->hide();
        Edit(1005)->setGeometry(
            QRect(Edit(1004)->geometry().topLeft(),
                  QPoint(Edit(1005)->geometry().right(), Edit(1004)->geometry().bottom())));
        Edit(1008)->setGeometry(
            QRect(Edit(1007)->geometry().topLeft(),
                  QPoint(Edit(1005)->geometry().right(), Edit(1007)->geometry().bottom())));
        break;
    case 1:
        Edit(1015)->show();
        Edit(1016)->show();
        for (auto [minutes, mark] : {std::pair{1005, 1019}, std::pair{1008, 1020}}) {
            QRect r = Edit(minutes)->geometry();
            r.setWidth(Edit(1004)->width());
            Edit(minutes)->setGeometry(r);
            Label(mark)->setGeometry(r.right() + 1 + 3, r.top() - 5, 4, r.height() + 5);
        }
        break;
    default: break;
    }
    Label(1021)->setVisible(!m_bMetric);
    Label(1022)->setVisible(m_bMetric);
}

void CEditWaypointDlg::PushToControls() {
    auto number = [](double v) { return QString::number(v, 'g', 15); };
    Edit(1012)->setText(m_strAdditionalInfo);
    Hemisphere(1006)->setCurrentText(m_strEW);
    Hemisphere(1003)->setCurrentText(m_strNS);
    Edit(1002)->setText(m_strComment);
    Check(1011)->setChecked(m_bGeocache != 0);
    Edit(1004)->setText(QString::number(m_nLatDeg));
    Edit(1007)->setText(QString::number(m_nLonDeg));
    Edit(1008)->setText(number(m_dLonMin));
    Edit(1005)->setText(number(m_dLatMin));
    Edit(1001)->setText(m_strName);
    Check(1010)->setChecked(m_bVisible != 0);
    Edit(1015)->setText(QString::number(m_nLatSec));
    Edit(1016)->setText(QString::number(m_nLonSec));
    Edit(1009)->setText(QString::number(m_nAltitude));
}

void CEditWaypointDlg::Fail(QWidget* control, const QString& text, bool selectAll) {
    CPrompt* prompt = m_pPrompt ? m_pPrompt : (m_pDoc ? &m_pDoc->Prompt() : nullptr);
    if (prompt)
        prompt->Ask(res::kAppTitle, FromQString(text), EPromptButtons::ok, EPromptIcon::warning);
    control->setFocus();
    control->raise();
    if (auto* edit = qobject_cast<QLineEdit*>(control); edit && selectAll)
        edit->selectAll();
}

bool CEditWaypointDlg::PullFromControls() {
    auto unsignedField = [this](int id, unsigned& out, long long lo, long long hi) {
        const auto v = ParseInteger(Edit(id)->text());
        if (!v || *v < 0 || *v > 0xFFFFFFFFLL) {
            Fail(Edit(id), tr("Please enter a positive integer."), true);
            return false;
        }
        if (hi >= 0 && (*v < lo || *v > hi)) {
            Fail(Edit(id), tr("Please enter an integer between %1 and %2.").arg(lo).arg(hi), true);
            return false;
        }
        out = static_cast<unsigned>(*v);
        return true;
    };
    auto doubleField = [this](int id, double& out) {
        const auto v = ParseDouble(Edit(id)->text());
        if (!v) {
            Fail(Edit(id), tr("Please enter a number."), true);
            return false;
        }
        out = *v;
        return true;
    };
    m_strAdditionalInfo = Edit(1012)->text();
    m_strEW = Hemisphere(1006)->currentText();
    m_strNS = Hemisphere(1003)->currentText();
    m_strComment = Edit(1002)->text();
    m_bGeocache = Check(1011)->isChecked();
    if (!unsignedField(1004, m_nLatDeg, 0, 128) || !unsignedField(1007, m_nLonDeg, 0, -1) ||
        !doubleField(1008, m_dLonMin) || !doubleField(1005, m_dLatMin))
        return false;
    m_strName = Edit(1001)->text();
    m_bVisible = Check(1010)->isChecked();
    if (!unsignedField(1015, m_nLatSec, 0, 59) || !unsignedField(1016, m_nLonSec, 0, 59))
        return false;
    const auto alt = ParseInteger(Edit(1009)->text());
    if (!alt || *alt < INT32_MIN || *alt > INT32_MAX) {
        Fail(Edit(1009), tr("Please enter an integer."), true);
        return false;
    }
    m_nAltitude = static_cast<int>(*alt);
    return true;
}

void CEditWaypointDlg::accept() {
    if (!PullFromControls())
        return;
    auto compose = [](unsigned deg, double min, unsigned sec) {
        switch (g_nCoordFormat) {
        case 1: return deg + (min + sec / 60.0) * kPerMinute;
        case 2: return min;
        default: return deg + min * kPerMinute;
        }
    };
    m_dLatitude = compose(m_nLatDeg, m_dLatMin, m_nLatSec);
    if (m_strNS == "S")
        m_dLatitude = -m_dLatitude;
    m_dLongitude = compose(m_nLonDeg, m_dLonMin, m_nLonSec);
    if (m_strEW == "W")
        m_dLongitude = -m_dLongitude;
    m_dAltitude = m_bMetric ? m_nAltitude : m_nAltitude * kMetresPerFootStored;
    // Only what the user changed is read back from its text.
    if (m_start.m_dLat && FieldTexts(kLatitudeFields) == m_start.m_strLat)
        m_dLatitude = *m_start.m_dLat;
    if (m_start.m_dLon && FieldTexts(kLongitudeFields) == m_start.m_strLon)
        m_dLongitude = *m_start.m_dLon;
    if (m_start.m_dAlt && FieldTexts(kAltitudeFields) == m_start.m_strAlt)
        m_dAltitude = *m_start.m_dAlt;
    if (m_pIcons->checkedId() >= 0)
        m_nIcon = m_pIcons->checkedId();
    const std::string name = FromQString(m_strName);
    const std::string comment = FromQString(m_strComment);
    // Limits count characters: "Łódź" is four.
    if (utf8::Length(name) > CWayEntry::kMaxName) {
        Fail(Edit(1001), tr("Please truncate name to 8 characters."));
        return;
    }
    if (utf8::Length(comment) > CWayEntry::kMaxComment) {
        Fail(Edit(1002), tr("Please truncate comment to 30 characters.  Currently it is %1.")
                             .arg(utf8::Length(comment)));
        return;
    }
    const CWayEntry* holder = m_pDoc ? m_pDoc->FindByName(name) : nullptr;
    if (holder && holder != m_pEntry) {
        Fail(Edit(1001), tr("The wapoint name is not unique.  Please use a different name."), true);
        return;
    }
    QDialog::accept();
}
