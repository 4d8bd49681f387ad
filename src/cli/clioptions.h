// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options as parsed, shared by its commands.
#pragma once

#include "waypointfilter.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCairnbookDoc;

struct CUsageError {
    std::string m_strText;
};

struct CCliOptions {
    std::string m_strCommand;
    std::vector<std::string> m_files;
    std::optional<std::string> m_output;
    std::optional<std::string> m_reference;
    int m_nNotation = 0;
    bool m_bMetric = false;
    bool m_bDetails = false;
    CWaypointFilter m_filter;
    std::optional<std::string> m_within; // as given, read once the unit is known
    bool m_bYes = false;
    bool m_bReplace = false;
    bool m_bVisits = false;
    std::optional<std::string> m_device;
};

// The options of a command line (its first word the command); CheckArity
// then checks what the command needs. Both throw CUsageError.
CCliOptions ParseArgs(const std::vector<std::string>& args);
void CheckArity(const CCliOptions& opt);

// Text as the terminal may show it: controls and bytes that are no UTF-8
// escaped; in a cell, tab, CR, LF and backslash as \t, \r, \n and \\.
void AppendPrintable(std::string& out, std::string_view utf8, bool cell = false);
std::string PrintableName(const std::string& utf8);
// The same, a text's line breaks kept as line breaks.
std::string PrintableText(const std::string& text);

// The whole usage, and one command's help (nothing for no such command).
std::string Usage();
std::optional<std::string> CommandHelp(const std::string& command);

// The receiver commands: devices, send and receive.
int Devices(std::ostream& out, std::ostream& err);
// Sends the rows of doc the filter selects (all without one).
int Send(CCairnbookDoc& doc, const CCliOptions& opt, std::ostream& out);
int Receive(const CCliOptions& opt, CCairnbookDoc& doc, std::ostream& out, std::ostream& err);
// The rows of doc the filter selects.
std::vector<std::size_t> SelectedPlaces(CCairnbookDoc& doc, const CCliOptions& opt);
// Writes doc to path (the rows the filter selects); kExitDeclined when the
// user's options declined a lossy format's question.
int Save(CCairnbookDoc& doc, const CCliOptions& opt, const std::string& path, std::ostream& err);
// What the last read left out or changed, on standard error.
void PrintNotices(CCairnbookDoc& doc, const std::string& path, std::ostream& err);
