// SPDX-License-Identifier: GPL-3.0-or-later
// Single-byte encodings (Windows-125x, ISO-8859-x, ...) that files declare,
// decoded to the data core's UTF-8.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Each byte's character; U+FFFD where the encoding leaves a byte undefined.
using CByteTable = std::array<char32_t, 256>;

// Windows-1252 (and Latin-1, which files mean by it) from our own table, its
// five undefined bytes as the C1 controls; any other from iconv. Nothing for
// an encoding that is unknown, not single-byte or not ASCII below 128.
std::optional<CByteTable> SingleByteTable(std::string_view name);
std::string DecodeBytes(const CByteTable& table, std::string_view bytes);
