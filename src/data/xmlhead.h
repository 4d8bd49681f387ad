// SPDX-License-Identifier: GPL-3.0-or-later
// The local name of an XML file's root element, read from its first bytes:
// what tells one XML format from another.
#pragma once

#include <string>
#include <string_view>

std::string RootElement(std::string_view head);
