// SPDX-License-Identifier: GPL-3.0-or-later
// The modal dialog that adds or edits one waypoint, in the current coordinate
// notation and in feet or metres, with the 50 icons as one exclusive choice.
#pragma once

#include <QDialog>
#include <QString>

#include "rowtext.h"

#include <array>
#include <initializer_list>
#include <optional>

class CCairnbookDoc;
class CPrompt;
class CWayEntry;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class CEditWaypointDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditWaypointDlg(QWidget* parent = nullptr);

    // Set before exec(): the caller's document and unit; the entry when editing;
    // a preset position when adding.
    CCairnbookDoc* m_pDoc = nullptr;
    bool m_bMetric = false;
    const CWayEntry* m_pEntry = nullptr;
    double m_dLatitude = 0.0;
    double m_dLongitude = 0.0;
    // Where the dialog's messages go; the document's prompt when not set.
    CPrompt* m_pPrompt = nullptr;

    // Results, valid after OK.
    QString m_strAdditionalInfo;
    QString m_strEW = "W";
    QString m_strNS = "N";
    QString m_strComment;
    int m_bGeocache = 0;
    unsigned m_nLatDeg = 0;
    unsigned m_nLonDeg = 0;
    double m_dLonMin = 0.0;
    double m_dLatMin = 0.0;
    QString m_strName;
    int m_bVisible = 1;
    unsigned m_nLatSec = 0;
    unsigned m_nLonSec = 0;
    int m_nAltitude = 0;
    double m_dAltitude = 0.0;
    int m_nIcon = 1;

    // Fills the controls from the members; exec() starts with it.
    void Start();
    int exec() override;
    void accept() override;

    // The controls, by the ids the dialog knows them by (tests drive them).
    QLineEdit* Edit(int id) const;
    QComboBox* Hemisphere(int id) const;
    QCheckBox* Check(int id) const;
    QToolButton* IconButton(int icon) const;
    QLabel* Label(int id) const;

    static QString IconTooltip(int icon); // empty: no tooltip

private:
    void ArrangeCoordinateFields();
    void PushToControls();
    bool PullFromControls();
    void Fail(QWidget* control, const QString& text, bool selectAll = false);
    QRect Du(int x, int y, int w, int h) const; // dialog units to pixels
    QString FieldTexts(std::initializer_list<int> ids) const;
    void CreateControls();
    void CreateIconBar();

    QButtonGroup* m_pIcons = nullptr;
    std::array<QToolButton*, kIconCount> m_iconButtons{};
    bool m_bStarted = false;
    // What the position and altitude fields said at the start, and the exact
    // values behind them: a field left as it was keeps its value to the bit.
    struct CUntouched {
        QString m_strLat, m_strLon, m_strAlt;
        std::optional<double> m_dLat, m_dLon, m_dAlt;
    } m_start;
};
