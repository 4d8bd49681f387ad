// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own texts, each kept once. Plain C++ so the data core can use it too.
#pragma once

namespace res {

inline constexpr const char* kAppTitle = "Cairnbook"; // string 57344

// Document and file texts
inline constexpr const char* kNativeHeader = "Cairnbook Version 2.0";
inline constexpr const char* kNativeHeaderV1 = "Cairnbook Version 1.0";
inline constexpr const char* kLegacyHeader = "Tolvex Version 1.0";
inline constexpr const char* kWptHeader = "4D533336 MS36";

inline constexpr const char* kSaveWarningCaption = "Save Warning";
inline constexpr const char* kSaveWarningText =
    "Some data will be lost with this file type.  Continue?";
inline constexpr const char* kMergeCaption = "Merge";
inline constexpr const char* kExportCaption = "EXPORT";

// Standard document failure reports
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kNoLocWaypoints = "No LOC waypoints were found in this file.";
inline constexpr const char* kFailedToPrint = "Printing failed: the printer could not be started.";
inline constexpr const char* kInvalidFileName = "Invalid filename.";

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
    "Licence GPL-3.0-or-later: the GNU General Public License, version 3 or later.\n"
    "This is free software: you may change and share it under its terms.\n"
    "There is NO WARRANTY, to the extent permitted by law.";
// What the program is built on, and their licences.
inline constexpr const char* kThirdParty =
    "Built with Qt %1 (LGPL-3.0), expat (MIT), GeographicLib (MIT), libzip (BSD-3-Clause)\n"
    "and SQLite (public domain).";
inline constexpr const char* kOpenMbTiles = "Open MBTiles File...";
inline constexpr const char* kReloadMapSources = "Reload Map Sources";
// Where the program lives, for the servers it asks (their usage policies want it).
inline constexpr const char* kProjectAddress = "https://cairnbook.quillmoor.org";
inline constexpr const char* kAboutCaption = "About Cairnbook";
inline constexpr const char* kAboutText =
    "This program can help you maintain your waypoints.  Using the Map capabilities, you \n"
    "can identify the geographical location and terrain that will be found near your waypoints.";
inline constexpr const char* kAboutCredit =
    "Map pictures come from the Tallowmarket imagery service, with imagery of the USGS.\n"
    "Updates are published with the program's source code.";
inline constexpr const char* kNoWaypointToRemove = "No Waypoint is selected to remove.";
inline constexpr const char* kSaveChanges = "Save changes to %1?";
inline constexpr const char* kReady = "Ready";

// List columns: the metric and imperial titles of 5 and 10, and every title.
// One spelling of each unit, from the first paint on.
inline constexpr const char* kAltitudeMetric = "Altitude (m)";
inline constexpr const char* kAltitudeFeet = "Altitude (ft)";
inline constexpr const char* kDistanceMetric = "Distance (km)";
inline constexpr const char* kDistanceMiles = "Distance (mi)";
inline constexpr const char* kColumnTitles[] = {
    "Index", "Name",     "Comment", "Latitude",        "Longnitude",   kAltitudeFeet,
    "Icon",  "Geocache", "Visible", "Additional Info", kDistanceMiles, "Direction"};

} // namespace res
