// SPDX-License-Identifier: GPL-3.0-or-later
// The data core's text is UTF-8: decoding, counting and folding it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Reads the code point at pos and steps past it; a malformed sequence is
// U+FFFD and one byte.
char32_t Decode(std::string_view text, std::size_t& pos);
void Append(std::string& out, char32_t cp);
bool IsAscii(std::string_view text);
// How many bytes text starts with that are ASCII: eight at a time, since
// most texts are ASCII and every per-character path starts by skipping it.
std::size_t AsciiPrefix(std::string_view text);
// Characters, not bytes.
std::size_t Length(std::string_view text);
// The first n characters.
std::string_view Prefix(std::string_view text, std::size_t n);
// Malformed sequences become U+FFFD: what a reader hands on is well formed.
std::string Valid(std::string_view text);
// A-Z lowered, every other byte as it is: offsets into the text stay right.
std::string AsciiLower(std::string_view text);
// Lower case in Unicode's simple mapping: what case-insensitive finding compares.
std::string Folded(std::string_view text);
bool ContainsNoCase(std::string_view text, std::string_view foldedNeedle);

} // namespace utf8
