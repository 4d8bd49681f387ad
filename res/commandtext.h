// SPDX-License-Identifier: GPL-3.0-or-later
// Each command's string: the status-bar prompt, a line break, the tooltip.
#pragma once

#include "resource.h"

namespace res {

struct CCommandText {
    int m_nId;
    const char* m_text;
};

inline constexpr CCommandText kCommandTexts[] = {
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_CLOSE, "Close the active document\nClose"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_MERGE, "Merge a file with the current document\nMerge"},
    {ID_SAVE_SELECTED, "Save the Selected waypoints\nSave Selected"},
    {ID_EXPORT_DATA, "Export Data to a different file type"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_HELP_TOPICS, "Show the Help File\nHelp File"},
    {ID_DELETE_WAYPOINT, "Delete current waypoint\nDelete"},
    {ID_ADD_WAYPOINT, "Add a Waypoint\nAdd Waypoint"},
    {ID_REFERENCE_POINT, "Set Waypoint as Reference Point\nReference Point"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_FIND, "Find a waypoint by its name, comment or Additional Info\nFind"},
    {ID_EDIT_FIND_NEXT, "Find the next waypoint that holds the text last looked for\nFind Next"},
    {ID_EDIT_FIND_PREVIOUS,
     "Find the previous waypoint that holds the text last looked for\nFind Previous"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_VIEW_LIST, "Switch to List View\nList View"},
    {ID_VIEW_MAP, "Switch to Map View\nMap View"},
    {ID_HIDE_WAYPOINTS, "Hide waypoints on the map\nHide Waypoints"},
    {ID_METRIC, "Display values in Metric\nMetric"},
    {ID_SEND_TO_DEVICE,
     "Send the selected waypoints, or all that match, to a GPS receiver\nSend to Device"},
    {ID_RECEIVE_FROM_DEVICE,
     "Read the waypoints and visited caches of a GPS receiver\nReceive from Device"},
    {ID_VIEW_FILTER, "Show only the waypoints that match a filter\nFilter"},
    {ID_VIEW_LISTING, "Show the selected waypoint's listing beside the list\nListing"},
    {ID_SHOW_ALL_WAYPOINTS,
     "List every waypoint of a document, not only the first 2,000\nShow All Waypoints"},
    {ID_FORMAT_DEGMIN, "Degrees Minutes.MMM\nDeg/Min.MMM"},
    {ID_FORMAT_DEGMINSEC, "Degrees Minutes Seconds\nDeg/Min/Sec"},
    {ID_FORMAT_DEGDEC, "Degrees Decimal\nDecimal"},
    {ID_ZOOM_IN, "Increase Magnification\nMagnify"},
    {ID_ZOOM_OUT, "Decrease Magnificaiton\nDe-Magnify"},
    {ID_RECENTER, "Recenter Image at cursor\nRecenter"},
    {ID_MAP_ADD_WAYPOINT, "Add a Waypoint to the map\nAdd Waypoint"},
    {ID_MAP_OFF, "Do not use a Map\nNo Map"},
    {ID_MAP_AUTO, "Automatically switch between map views\nAuto Map"},
    {ID_MAP_TOPO, "View Topology Map\nTopology"},
    {ID_MAP_AERIAL, "Aerial View Map\nAerial"},
    {ID_MAP_URBAN, "Urban View Map\nUrban"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
    {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {IDC_HIDE_BUTTON, "Button to toggle showing waypoints"},
    {IDC_RESET_BUTTON, "Button to reset the map"},
    {ID_INDICATOR_POSITION, "Mouse Position                        "},
};

// The whole string of id, or nullptr.
constexpr const char* CommandText(int id) {
    for (const auto& t : kCommandTexts)
        if (t.m_nId == id)
            return t.m_text;
    return nullptr;
}

} // namespace res
