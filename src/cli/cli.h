// SPDX-License-Identifier: GPL-3.0-or-later
// cairnbook-cli: the data core from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

enum ECliExit { kExitOk = 0, kExitFile = 1, kExitUsage = 2, kExitDeclined = 3 };

// args excludes the program name. Never throws.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// One cell of a listed row: UTF-8, with tab, CR, LF and backslash escaped.
std::string EscapeCell(const std::string& text);
void AppendCell(std::string& out, std::string_view text);
