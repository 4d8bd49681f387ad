// SPDX-License-Identifier: GPL-3.0-or-later
// Waypoints as clipboard text: tab-separated lines, and on paste also the
// three-line form a cache description page gives. Windows-1252 text, "\r\n"
// line ends. No window needed.
#pragma once

#include <string>
#include <vector>

class CCairnbookDoc;
class CWayEntry;

// One line, "\r\n" included.
std::string FormatClipboardLine(const CWayEntry& entry);

struct CPasteResult {
    int m_nAdded = 0;    // entries the document took
    int m_nReplaced = 0; // existing entries the merge question overwrote
};

// Adds the waypoints of text to doc through its merge rules.
CPasteResult ParseClipboardText(CCairnbookDoc& doc, const std::string& text);

// Text from another program: lone "\n" line ends become "\r\n".
std::string NormalizeLineEnds(const std::string& text);
