// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252, the text of the native and WPT files, and UTF-8, the text
// of the data core.
#pragma once

#include <string>
#include <string_view>

namespace cp1252 {

// Decodes as the WHATWG windows-1252 decoder does: the five bytes it leaves
// undefined map to the C1 controls of the same value.
std::string ToUtf8(std::string_view bytes);

// Encodes UTF-8 text; characters outside Windows-1252 become '?', and so do
// malformed UTF-8 sequences.
std::string FromUtf8(std::string_view utf8);
// True when every character of the UTF-8 text has a Windows-1252 byte.
bool CanHold(std::string_view utf8);
// True when text is well-formed UTF-8 and holds a character beyond ASCII:
// text that is surely UTF-8 and not Windows-1252.
bool LooksLikeUtf8(std::string_view text);

} // namespace cp1252
