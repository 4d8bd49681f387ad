// SPDX-License-Identifier: GPL-3.0-or-later
// A document window's map face: the waypoints drawn over the picture of
// exactly the visible area, the bottom strip with its mode boxes and buttons,
// zoom and recentre by mouse, and the hovered waypoint's comment.
#pragma once

#include "docchange.h"
#include "hovergrid.h"
#include "mapgeometry.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CAreaImagery;
class CCairnbookDoc;
class CImageList;
class CImagery;
class CTextLine;
class CTrackingTip;
class CVelButton;
class CWayEntry;
class QMenu;
class QTimer;

class CMapFace : public QWidget {
    Q_OBJECT
public:
    CMapFace(CCairnbookDoc& doc, QWidget* parent);
    ~CMapFace() override;

    // The frame: scale level and centre. SetFrame takes it as it is; a frame
    // from the mouse (MoveFrame) also asks for its picture anew.
    CMapFrame Frame() const { return m_frame; }
    void SetFrame(const CMapFrame& frame);
    void MoveFrame(const CMapFrame& frame);
    // Reset Map: the next paint fits the frame around the waypoints.
    void ResetFrame();
    // Places the strip's boxes and buttons for the face's size: at once, even
    // while the face is hidden.
    void Layout();
    // The face counts a two-pixel border around its client area, as its frame had one.
    COuterRect Outer() const;

    // Map Click Mode and Mapping Modes, as command numbers.
    int ClickMode() const { return m_nClickMode; }
    int Theme() const { return m_nTheme; }
    bool OnCommand(int id);
    bool UpdateCommand(int id, bool& checked) const;
    bool WaypointsHidden() const { return m_bHideWaypoints; }
    void ToggleWaypoints();
    void SetMetric(bool metric);
    // Per waypoint, whether the map draws it (a filter's); empty: all.
    void SetShown(std::vector<char> shown);
    // What SetShown was given.
    const std::vector<char>& Shown() const { return m_shown; }

    // Draws the map on any painter; on paper without its controls.
    void Draw(QPainter& p, const QRect& clip, bool forPrint = false);
    // The document changed: the hovered waypoint may be gone, icons moved.
    void Follow(const CDocChange& change);
    // True once the map needs nothing more from the network for now.
    bool Settled() const;
    // The picture's source, when it is the area service; null for tiles.
    CAreaImagery* AreaImagery() const;

    // Where the strip's boxes lie, and what they show.
    QRect ClickBox() const { return m_rcClickBox; }
    QRect ModeBox() const { return m_rcModeBox; }
    QMenu* ClickMenu() const { return m_pClickMenu.get(); }
    QMenu* ModeMenu() const { return m_pModeMenu.get(); }
    CVelButton* HideButton() const { return m_pHideButton; }
    CVelButton* ResetButton() const { return m_pResetButton; }
    // The waypoint whose comment the tip shows, and the tip.
    const CWayEntry* Hovered() const { return m_pHoverEntry; }
    const CTrackingTip* Tip() const { return m_pToolTip.get(); }
    void HideTip();

signals:
    // The position under the mouse, in 1/10000 degree, for the status bar.
    void PositionChanged(int lon10000, int lat10000);
    // A click in Add a Waypoint mode: the host asks for the waypoint.
    void AddRequested(double lat, double lon);
    // A map command was chosen from the strip's boxes.
    void Command(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenus();
    void UseCurrentSource();
    void DiscardPicture();
    void LeftClick(const QPoint& pt);
    void RightClick(const QPoint& pt);
    void MouseMove(const QPoint& pt);
    void PopUp(QMenu* menu, const QRect& box);
    void UpdateCursor();

    CCairnbookDoc& m_doc;
    CMapFrame m_frame;
    bool m_bFramed = false; // a frame was fitted or set: any centre is a place, 0 too
    bool m_bDrawn = false;  // the frame, source and theme were drawn since they changed
    int m_nClickMode;
    int m_nTheme;
    bool m_bHideWaypoints = false;
    bool m_bMetric = false;
    QRect m_rcClickBox, m_rcModeBox;
    std::unique_ptr<QMenu> m_pClickMenu, m_pModeMenu;
    CVelButton* m_pHideButton = nullptr;
    CVelButton* m_pResetButton = nullptr;
    std::unique_ptr<CImagery> m_pImagery;
    std::vector<char> m_shown;
    std::unique_ptr<CImageList> m_pIcons;
    std::unique_ptr<CTextLine> m_pLabelText;
    // Hovering.
    CHoverGrid m_hover;
    std::optional<CMapFrame> m_hoverFrame; // the frame m_hover was filed for
    QSize m_hoverSize;
    std::unique_ptr<CTrackingTip> m_pToolTip;
    const CWayEntry* m_pHoverEntry = nullptr;
};
