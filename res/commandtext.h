// SPDX-License-Identifier: GPL-3.0-or-later
// Each command's string: the status-bar prompt, a line break, the tooltip.
#pragma once

#include "resource.h"
#include "translate.h"

namespace res {

struct CCommandText {
    int m_nId;
    const char* m_text;
};

inline constexpr CCommandText kCommandTexts[] = {
    {ID_FILE_NEW, TR_NOOP("Create a new document\nNew")},
    {ID_FILE_OPEN, TR_NOOP("Open an existing document\nOpen")},
    {ID_FILE_CLOSE, TR_NOOP("Close the active document\nClose")},
    {ID_FILE_SAVE, TR_NOOP("Save the active document\nSave")},
    {ID_FILE_SAVE_AS, TR_NOOP("Save the active document with a new name\nSave As")},
    {ID_FILE_MERGE, TR_NOOP("Merge a file with the current document\nMerge")},
    {ID_SAVE_SELECTED, TR_NOOP("Save the Selected waypoints\nSave Selected")},
    {ID_EXPORT_DATA, TR_NOOP("Export Data to a different file type")},
    {ID_FILE_PRINT, TR_NOOP("Print the active document\nPrint")},
    {ID_FILE_PRINT_PREVIEW, TR_NOOP("Display full pages\nPrint Preview")},
    {ID_FILE_PRINT_SETUP, TR_NOOP("Change the printer and printing options\nPrint Setup")},
    {ID_FILE_MRU_FILE1, TR_NOOP("Open this document")},
    {ID_APP_EXIT, TR_NOOP("Quit the application; prompts to save documents\nExit")},
    {ID_APP_ABOUT, TR_NOOP("Display program information, version number and copyright\nAbout")},
    {ID_HELP_TOPICS, TR_NOOP("Show the Help File\nHelp File")},
    {ID_DELETE_WAYPOINT, TR_NOOP("Delete current waypoint\nDelete")},
    {ID_ADD_WAYPOINT, TR_NOOP("Add a Waypoint\nAdd Waypoint")},
    {ID_REFERENCE_POINT, TR_NOOP("Set Waypoint as Reference Point\nReference Point")},
    {ID_EDIT_COPY, TR_NOOP("Copy the selection and put it on the Clipboard\nCopy")},
    {ID_EDIT_CUT, TR_NOOP("Cut the selection and put it on the Clipboard\nCut")},
    {ID_EDIT_UNDO, TR_NOOP("Undo the last action\nUndo")},
    {ID_EDIT_FIND, TR_NOOP("Find a waypoint by its name, comment or Additional Info\nFind")},
    {ID_EDIT_FIND_NEXT,
     TR_NOOP("Find the next waypoint that holds the text last looked for\nFind Next")},
    {ID_EDIT_FIND_PREVIOUS,
     TR_NOOP("Find the previous waypoint that holds the text last looked for\nFind Previous")},
    {ID_EDIT_REDO, TR_NOOP("Redo the previously undone action\nRedo")},
    {ID_EDIT_PASTE, TR_NOOP("Insert Clipboard contents\nPaste")},
    {ID_VIEW_LIST, TR_NOOP("Switch to List View\nList View")},
    {ID_VIEW_MAP, TR_NOOP("Switch to Map View\nMap View")},
    {ID_HIDE_WAYPOINTS, TR_NOOP("Hide waypoints on the map\nHide Waypoints")},
    {ID_METRIC, TR_NOOP("Display values in Metric\nMetric")},
    {ID_SEND_TO_DEVICE,
     TR_NOOP("Send the selected waypoints, or all that match, to a GPS receiver\nSend to Device")},
    {ID_RECEIVE_FROM_DEVICE,
     TR_NOOP("Read the waypoints and visited caches of a GPS receiver\nReceive from Device")},
    {ID_VIEW_FILTER, TR_NOOP("Show only the waypoints that match a filter\nFilter")},
    {ID_VIEW_LISTING, TR_NOOP("Show the selected waypoint's listing beside the list\nListing")},
    {ID_SHOW_ALL_WAYPOINTS,
     TR_NOOP("List every waypoint of a document, not only the first 2,000\nShow All Waypoints")},
    {ID_FORMAT_DEGMIN, TR_NOOP("Degrees Minutes.MMM\nDeg/Min.MMM")},
    {ID_FORMAT_DEGMINSEC, TR_NOOP("Degrees Minutes Seconds\nDeg/Min/Sec")},
    {ID_FORMAT_DEGDEC, TR_NOOP("Degrees Decimal\nDecimal")},
    {ID_ZOOM_IN, TR_NOOP("Increase Magnification\nMagnify")},
    {ID_ZOOM_OUT, TR_NOOP("Decrease Magnificaiton\nDe-Magnify")},
    {ID_RECENTER, TR_NOOP("Recenter Image at cursor\nRecenter")},
    {ID_MAP_ADD_WAYPOINT, TR_NOOP("Add a Waypoint to the map\nAdd Waypoint")},
    {ID_MAP_OFF, TR_NOOP("Do not use a Map\nNo Map")},
    {ID_MAP_AUTO, TR_NOOP("Automatically switch between map views\nAuto Map")},
    {ID_MAP_TOPO, TR_NOOP("View Topology Map\nTopology")},
    {ID_MAP_AERIAL, TR_NOOP("Aerial View Map\nAerial")},
    {ID_MAP_URBAN, TR_NOOP("Urban View Map\nUrban")},
    {ID_VIEW_TOOLBAR, TR_NOOP("Show or hide the toolbar\nToggle ToolBar")},
    {ID_VIEW_STATUS_BAR, TR_NOOP("Show or hide the status bar\nToggle StatusBar")},
    {ID_WINDOW_NEW, TR_NOOP("Open another window for the active document\nNew Window")},
    {ID_WINDOW_ARRANGE, TR_NOOP("Arrange icons at the bottom of the window\nArrange Icons")},
    {ID_WINDOW_CASCADE, TR_NOOP("Arrange windows so they overlap\nCascade Windows")},
    {ID_WINDOW_TILE_HORZ, TR_NOOP("Arrange windows as non-overlapping tiles\nTile Windows")},
    {IDC_HIDE_BUTTON, TR_NOOP("Button to toggle showing waypoints")},
    {IDC_RESET_BUTTON, TR_NOOP("Button to reset the map")},
    {ID_INDICATOR_POSITION, TR_NOOP("Mouse Position                        ")},
};

// The whole string of id, or nullptr.
constexpr const char* CommandText(int id) {
    for (const auto& t : kCommandTexts)
        if (t.m_nId == id)
            return t.m_text;
    return nullptr;
}

} // namespace res
