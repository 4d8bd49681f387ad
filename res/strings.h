// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own texts, each kept once. Plain C++ so the data core can use it too.
#pragma once

#include "translate.h"

namespace res {

inline constexpr const char* kAppTitle = "Cairnbook"; // string 57344

// Document and file texts
inline constexpr const char* kNativeHeader = "Cairnbook Version 2.0";
inline constexpr const char* kNativeHeaderV1 = "Cairnbook Version 1.0";
inline constexpr const char* kLegacyHeader = "Tolvex Version 1.0";
inline constexpr const char* kWptHeader = "4D533336 MS36";

inline constexpr const char* kSaveWarningCaption = TR_NOOP("Save Warning");
inline constexpr const char* kSaveWarningText =
    TR_NOOP("Some data will be lost with this file type.  Continue?");
inline constexpr const char* kMergeCaption = TR_NOOP("Merge");
inline constexpr const char* kExportCaption = TR_NOOP("EXPORT");

// Standard document failure reports
inline constexpr const char* kFailedToOpen = TR_NOOP("Failed to open document.");
inline constexpr const char* kFailedToSave = TR_NOOP("Failed to save document.");
inline constexpr const char* kNoLocWaypoints = TR_NOOP("No LOC waypoints were found in this file.");
inline constexpr const char* kFailedToPrint =
    TR_NOOP("Printing failed: the printer could not be started.");
inline constexpr const char* kInvalidFileName = TR_NOOP("Invalid filename.");

} // namespace res

namespace res {

// The document template: window title, document name, File New name, filter
// name, extension, file type and its name.
inline constexpr const char* kDocTemplate =
    "\nCairnbook\nCairnbook\nCairnbook Files (*.ckb)\n.ckb\nCairnbook.Document\nCairnbook Document";
inline constexpr const char* kNewDocName = "Cairnbook";
inline constexpr const char* kOrganization = "Quillmoor - Cairnbook";
inline constexpr const char* kVersionText = "Cairnbook Version 2.0";
inline constexpr const char* kVersionNumber = "2.0";
// The licence, as --version and the About box state it.
inline constexpr const char* kLicenceNotice =
    TR_NOOP("Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later.\n"
            "This is free software: you may change and share it under its terms.\n"
            "There is NO WARRANTY, to the extent permitted by law.");
// What the program is built on, and their licences.
inline constexpr const char* kThirdParty =
    TR_NOOP("Built with Qt %1 (LGPL-3.0), expat (MIT), GeographicLib (MIT), libzip (BSD-3-Clause),\n"
            "jemalloc (BSD-2-Clause) and SQLite (public domain).");
inline constexpr const char* kOpenMbTiles = TR_NOOP("Open MBTiles File...");
inline constexpr const char* kReloadMapSources = TR_NOOP("Reload Map Sources");
// Where the program lives, for the servers it asks (their usage policies want it).
inline constexpr const char* kProjectAddress = "https://cairnbook.quillmoor.org";
inline constexpr const char* kAboutCaption = TR_NOOP("About Cairnbook");
inline constexpr const char* kAboutText = TR_NOOP(
    "This program can help you maintain your waypoints.  Using the Map capabilities, you \n"
    "can identify the geographical location and terrain that will be found near your waypoints.");
inline constexpr const char* kAboutCredit =
    TR_NOOP("Map pictures come from the Tallowmarket imagery service, with imagery of the USGS.\n"
            "Updates are published with the program's source code.");
inline constexpr const char* kNoWaypointToRemove = TR_NOOP("No Waypoint is selected to remove.");
inline constexpr const char* kSaveChanges = TR_NOOP("Save changes to %1?");
inline constexpr const char* kReady = TR_NOOP("Ready");

// List columns: the metric and imperial titles of 5 and 10, and every title.
// One spelling of each unit, from the first paint on.
inline constexpr const char* kAltitudeMetric = TR_NOOP("Altitude (m)");
inline constexpr const char* kAltitudeFeet = TR_NOOP("Altitude (ft)");
inline constexpr const char* kDistanceMetric = TR_NOOP("Distance (km)");
inline constexpr const char* kDistanceMiles = TR_NOOP("Distance (mi)");
inline constexpr const char* kColumnTitles[] = {TR_NOOP("Index"),      TR_NOOP("Name"),
                                                TR_NOOP("Comment"),    TR_NOOP("Latitude"),
                                                TR_NOOP("Longnitude"), kAltitudeFeet,
                                                TR_NOOP("Icon"),       TR_NOOP("Geocache"),
                                                TR_NOOP("Visible"),    TR_NOOP("Additional Info"),
                                                kDistanceMiles,        TR_NOOP("Direction")};

} // namespace res
