// SPDX-License-Identifier: GPL-3.0-or-later
// Small reads of XML text without a parser: the local name of a file's root
// element (what tells one XML format from another), and the attributes and
// texts of fragments the program kept itself.
#pragma once

#include <string>
#include <string_view>

std::string RootElement(std::string_view head);

// The value of attribute name (any case) in a start tag, as written; empty
// when the tag has none.
std::string AttributeOf(std::string_view tag, std::string_view name);
// The text of the first element of local name local (any prefix) in xml, up
// to its first child or end; empty when there is none.
std::string_view ElementText(std::string_view xml, std::string_view local);
