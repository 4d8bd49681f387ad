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

// String 1201: the Open Merge filter; string 1202: the Export filter.
inline constexpr const char* kMergeFilter =
    "Cairnbook (.ckb)|*.ckb|WPT Files (.wpt)|*.wpt|TopoGrafix Data File (.loc)|*.loc|"
    "Text Files (.txt)|*.txt|All Files|*.*||";
inline constexpr const char* kExportFilter = "WPT Files (.wpt)|*.wpt|Cairnbook (.ckb)|*.ckb||";

// Standard document failure reports
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kInvalidFileName = "Invalid filename.";

} // namespace res
