// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's menus, toolbar and accelerators as data; the main frame builds
// its widgets from these tables.
#pragma once

#include "resource.h"
#include "translate.h"

#include <initializer_list>

namespace res {

enum class EMenuKind {
    command,
    separator,
    popup,
    end,
    recentFiles,
    mapSources,
    openWindows,
    devices
};

// A flat menu description: popups open with `popup` and close with `end`.
struct CMenuItem {
    EMenuKind m_kind;
    int m_nId;
    const char* m_text;
    bool m_bChecked = false;
};

constexpr CMenuItem Cmd(int id, const char* text, bool checked = false) {
    return {EMenuKind::command, id, text, checked};
}
constexpr CMenuItem Sep() {
    return {EMenuKind::separator, 0, nullptr};
}
constexpr CMenuItem Popup(const char* text) {
    return {EMenuKind::popup, 0, text};
}
constexpr CMenuItem End() {
    return {EMenuKind::end, 0, nullptr};
}
constexpr CMenuItem Recent() {
    return {EMenuKind::recentFiles, ID_FILE_MRU_FILE1, nullptr};
}
// The map sources, "Open MBTiles File..." and "Reload Map Sources".
constexpr CMenuItem MapSources() {
    return {EMenuKind::mapSources, 0, nullptr};
}

// The open windows, the active one checked, as the desktop's Window menus list them.
constexpr CMenuItem OpenWindows() {
    return {EMenuKind::openWindows, 0, nullptr};
}

// The receivers found, "Mount and Use" for drives not mounted, and "Choose
// Folder..."; id tells whether they are sent to or received from.
constexpr CMenuItem Devices(int id) {
    return {EMenuKind::devices, id, nullptr};
}

// Menu 128: no document open.
inline constexpr CMenuItem kMenuNoDocument[] = {
    Popup(TR_NOOP("&File")),
    Cmd(ID_FILE_NEW, TR_NOOP("&New\tCtrl+N")),
    Cmd(ID_FILE_OPEN, TR_NOOP("&Open...\tCtrl+O")),
    Popup(TR_NOOP("Rece&ive from Device")),
    Devices(ID_RECEIVE_FROM_DEVICE),
    End(),
    Sep(),
    Cmd(ID_FILE_PRINT_SETUP, TR_NOOP("P&rint Setup...")),
    Sep(),
    Recent(),
    Sep(),
    Cmd(ID_APP_EXIT, TR_NOOP("E&xit\tCtrl+Q")),
    End(),
    Popup(TR_NOOP("&View")),
    Cmd(ID_VIEW_TOOLBAR, TR_NOOP("&Toolbar")),
    Cmd(ID_VIEW_STATUS_BAR, TR_NOOP("&Status Bar")),
    End(),
    Popup(TR_NOOP("&Help")),
    Cmd(ID_HELP_TOPICS, TR_NOOP("Help Topics\tF1")),
    Cmd(ID_APP_ABOUT, TR_NOOP("&About Cairnbook...")),
    End(),
};

// Menu 129: a document open.
inline constexpr CMenuItem kMenuDocument[] = {
    Popup(TR_NOOP("&File")),
    Cmd(ID_FILE_NEW, TR_NOOP("&New\tCtrl+N")),
    Cmd(ID_FILE_OPEN, TR_NOOP("&Open...\tCtrl+O")),
    Cmd(ID_FILE_MERGE, TR_NOOP("Open &Merge...\tCtrl+M")),
    Cmd(ID_FILE_CLOSE, TR_NOOP("&Close\tCtrl+W")),
    Cmd(ID_FILE_SAVE, TR_NOOP("&Save\tCtrl+S")),
    Cmd(ID_FILE_SAVE_AS, TR_NOOP("Save &As...\tCtrl+Shift+S")),
    Cmd(ID_SAVE_SELECTED, TR_NOOP("Save Selected As...")),
    Cmd(ID_EXPORT_DATA, TR_NOOP("Export Data...\tCtrl+E")),
    Sep(),
    Popup(TR_NOOP("Sen&d to Device")),
    Devices(ID_SEND_TO_DEVICE),
    End(),
    Popup(TR_NOOP("Rece&ive from Device")),
    Devices(ID_RECEIVE_FROM_DEVICE),
    End(),
    Sep(),
    Cmd(ID_FILE_PRINT, TR_NOOP("&Print...\tCtrl+P")),
    Cmd(ID_FILE_PRINT_PREVIEW, TR_NOOP("Print Pre&view")),
    Cmd(ID_FILE_PRINT_SETUP, TR_NOOP("P&rint Setup...")),
    Sep(),
    Recent(),
    Sep(),
    Cmd(ID_APP_EXIT, TR_NOOP("E&xit\tCtrl+Q")),
    End(),
    Popup(TR_NOOP("&Edit")),
    Cmd(ID_EDIT_UNDO, TR_NOOP("&Undo\tCtrl+Z")),
    Cmd(ID_EDIT_REDO, TR_NOOP("&Redo\tCtrl+Y")),
    Sep(),
    Cmd(ID_DELETE_WAYPOINT, TR_NOOP("&Delete Waypoint\tCtrl+D")),
    Cmd(ID_ADD_WAYPOINT, TR_NOOP("Add Waypoint\tIns")),
    Sep(),
    Cmd(ID_EDIT_COPY, TR_NOOP("&Copy\tCtrl+C")),
    Cmd(ID_EDIT_PASTE, TR_NOOP("&Paste\tCtrl+V")),
    Cmd(ID_EDIT_CUT, TR_NOOP("Cut\tCtrl+X")),
    Sep(),
    Cmd(ID_EDIT_FIND, TR_NOOP("&Find...\tCtrl+F")),
    Cmd(ID_EDIT_FIND_NEXT, TR_NOOP("Find &Next\tF3")),
    Cmd(ID_EDIT_FIND_PREVIOUS, TR_NOOP("Find Pre&vious\tShift+F3")),
    End(),
    Popup(TR_NOOP("&View")),
    Cmd(ID_VIEW_LIST, TR_NOOP("List View"), true),
    Cmd(ID_VIEW_MAP, TR_NOOP("Map View")),
    Sep(),
    Popup(TR_NOOP("Map Settings")),
    Cmd(ID_MAP_OFF, TR_NOOP("Turn Off Map")),
    Sep(),
    Cmd(ID_MAP_AUTO, TR_NOOP("Auto Map")),
    Cmd(ID_MAP_TOPO, TR_NOOP("Topology")),
    Cmd(ID_MAP_AERIAL, TR_NOOP("Aerial View")),
    Cmd(ID_MAP_URBAN, TR_NOOP("Urban View")),
    End(),
    Popup(TR_NOOP("Map Source")),
    MapSources(),
    End(),
    Cmd(ID_HIDE_WAYPOINTS, TR_NOOP("Hide Waypoints")),
    Cmd(ID_METRIC, TR_NOOP("Metric Values")),
    Popup(TR_NOOP("Waypoint Format")),
    Cmd(ID_FORMAT_DEGMIN, TR_NOOP("Deg/Min.MMM"), true),
    Cmd(ID_FORMAT_DEGMINSEC, TR_NOOP("Deg/Min/Sec")),
    Cmd(ID_FORMAT_DEGDEC, TR_NOOP("Deg.DDDD")),
    End(),
    Cmd(ID_SHOW_ALL_WAYPOINTS, TR_NOOP("Show &All Waypoints")),
    Cmd(ID_VIEW_LISTING, TR_NOOP("&Listing")),
    Cmd(ID_VIEW_FILTER, TR_NOOP("&Filter\tCtrl+Shift+F")),
    Sep(),
    Cmd(ID_VIEW_TOOLBAR, TR_NOOP("&Toolbar")),
    Cmd(ID_VIEW_STATUS_BAR, TR_NOOP("&Status Bar")),
    End(),
    Popup(TR_NOOP("&Window")),
    Cmd(ID_WINDOW_NEW, TR_NOOP("&New Window")),
    Cmd(ID_WINDOW_CASCADE, TR_NOOP("&Cascade")),
    Cmd(ID_WINDOW_TILE_HORZ, TR_NOOP("&Tile")),
    Cmd(ID_WINDOW_ARRANGE, TR_NOOP("&Arrange Icons")),
    OpenWindows(),
    End(),
    Popup(TR_NOOP("&Help")),
    Cmd(ID_HELP_TOPICS, TR_NOOP("Help Topics\tF1")),
    Cmd(ID_APP_ABOUT, TR_NOOP("&About Cairnbook...")),
    End(),
};

// Toolbar 128: 0 marks a separator; images stand in this order in the strip.
inline constexpr int kToolbar[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_VIEW_LIST,
    ID_VIEW_MAP,
    0,
    ID_EDIT_CUT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    ID_DELETE_WAYPOINT,
    ID_ADD_WAYPOINT,
    ID_REFERENCE_POINT,
    0,
    ID_ZOOM_IN,
    ID_ZOOM_OUT,
    ID_RECENTER,
    ID_MAP_ADD_WAYPOINT,
    ID_HIDE_WAYPOINTS,
    0,
    ID_MAP_AUTO,
    ID_MAP_OFF,
    0,
    ID_FILE_PRINT,
    0,
    ID_SEND_TO_DEVICE, // drawn by the frame, as Undo and Redo: the strip has no images for these
    0,
    ID_EDIT_UNDO,
    ID_EDIT_REDO,
};

// Accelerator table 128, as key sequences Qt understands.
struct CAccelerator {
    const char* m_keys;
    int m_nId;
};
inline constexpr CAccelerator kAccelerators[] = {{"Ctrl+C", ID_EDIT_COPY},
                                                 {"Ctrl+Shift+F", ID_VIEW_FILTER},
                                                 {"Ctrl+Ins", ID_EDIT_COPY},
                                                 {"Ctrl+V", ID_EDIT_PASTE},
                                                 {"Shift+Ins", ID_EDIT_PASTE},
                                                 {"Ctrl+X", ID_EDIT_CUT},
                                                 {"Shift+Del", ID_EDIT_CUT},
                                                 {"Ctrl+Z", ID_EDIT_UNDO},
                                                 {"Alt+Backspace", ID_EDIT_UNDO},
                                                 {"Ctrl+E", ID_EXPORT_DATA},
                                                 {"Ctrl+M", ID_FILE_MERGE},
                                                 {"Ctrl+N", ID_FILE_NEW},
                                                 {"Ctrl+O", ID_FILE_OPEN},
                                                 {"Ctrl+P", ID_FILE_PRINT},
                                                 {"Ctrl+S", ID_FILE_SAVE},
                                                 {"F6", ID_NEXT_PANE},
                                                 {"Shift+F6", ID_PREV_PANE},
                                                 {"Ctrl+Y", ID_EDIT_REDO},
                                                 {"Ctrl+F", ID_EDIT_FIND},
                                                 {"Ctrl+Shift+Z", ID_EDIT_REDO},
                                                 {"Ctrl+D", ID_DELETE_WAYPOINT},
                                                 {"Ins", ID_ADD_WAYPOINT},
                                                 {"F3", ID_EDIT_FIND_NEXT},
                                                 {"Shift+F3", ID_EDIT_FIND_PREVIOUS},
                                                 // The desktop's own keys, where the
                                                 // table had none.
                                                 {"Ctrl+Shift+S", ID_FILE_SAVE_AS},
                                                 {"Ctrl+W", ID_FILE_CLOSE},
                                                 {"Ctrl+Q", ID_APP_EXIT},
                                                 {"F1", ID_HELP_TOPICS}};

} // namespace res
