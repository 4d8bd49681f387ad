// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwctype>
#include <locale.h>

namespace utf8 {

char32_t Decode(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<std::uint8_t>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    const int extra = b0 >= 0xF0 && b0 <= 0xF4   ? 3
                      : b0 >= 0xE0 && b0 <= 0xEF ? 2
                      : b0 >= 0xC2 && b0 < 0xE0  ? 1
                                                 : -1;
    if (extra < 0 || pos + std::size_t(extra) >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = b0 & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<std::uint8_t>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    const char32_t least = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += std::size_t(extra) + 1;
    return cp;
}

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t AsciiPrefix(std::string_view text) {
    std::size_t i = 0;
    for (std::uint64_t word; i + 8 <= text.size(); i += 8) {
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    while (i < text.size() && !(text[i] & 0x80))
        ++i;
    return i;
}

bool IsAscii(std::string_view text) {
    // Every byte or'ed together, 16 at a time and without a branch per word:
    // most texts are short and ASCII, read once to be written or checked.
    const char* p = text.data();
    std::size_t n = text.size();
    std::uint64_t all = 0, a, b;
    for (; n >= 16; p += 16, n -= 16) {
        std::memcpy(&a, p, 8);
        std::memcpy(&b, p + 8, 8);
        all |= a | b;
    }
    if (n >= 8) { // the last 8 bytes may overlap the first: or'ing twice is harmless
        std::memcpy(&a, p, 8);
        std::memcpy(&b, p + n - 8, 8);
        all |= a | b;
    } else {
        for (; n > 0; --n)
            all |= static_cast<unsigned char>(*p++);
    }
    return !(all & 0x8080808080808080ull);
}

std::size_t Length(std::string_view text) {
    // Every byte but a continuation byte starts a character (malformed ones count alone).
    std::size_t n = AsciiPrefix(text);
    for (std::size_t pos = n; pos < text.size(); ++n)
        Decode(text, pos);
    return n;
}

std::string_view Prefix(std::string_view text, std::size_t n) {
    std::size_t pos = std::min(AsciiPrefix(text.substr(0, n)), n); // a character a byte
    n -= pos;
    for (; n > 0 && pos < text.size(); --n)
        Decode(text, pos);
    return text.substr(0, pos);
}

std::string Valid(std::string_view text) {
    if (IsAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        Append(out, Decode(text, pos));
    return out;
}

namespace {

// The C library's Unicode tables; the process's own locale may be "C".
locale_t Utf8Locale() {
    static const locale_t loc = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
        return l ? l : newlocale(LC_CTYPE_MASK, "C.utf8", locale_t(0));
    }();
    return loc;
}

char32_t Lower(char32_t cp) {
    if (cp < 0x80)
        return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
    const locale_t loc = Utf8Locale();
    return loc ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), loc)) : cp;
}

} // namespace

std::string Folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    if (IsAscii(text)) {
        for (char c : text)
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        return out;
    }
    for (std::size_t pos = 0; pos < text.size();)
        Append(out, Lower(Decode(text, pos)));
    return out;
}

bool ContainsNoCase(std::string_view text, std::string_view foldedNeedle) {
    if (foldedNeedle.empty())
        return true;
    if (IsAscii(text)) {
        const auto same = [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; };
        return std::search(text.begin(), text.end(), foldedNeedle.begin(), foldedNeedle.end(),
                           same) != text.end();
    }
    return Folded(text).find(foldedNeedle) != std::string::npos;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace utf8
