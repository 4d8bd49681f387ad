// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"

#include "utf8text.h"

#include <algorithm>

#include <array>
#include <cstdint>

namespace cp1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the range maps to itself.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string ToUtf8(std::string_view bytes) {
    if (utf8::IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        utf8::Append(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
    }
    return out;
}

bool CanHold(std::string_view text) {
    if (utf8::IsAscii(text)) // ASCII is Windows-1252's too
        return true;
    for (std::size_t pos = 0; pos < text.size();) {
        if ((pos += utf8::AsciiPrefix(text.substr(pos))) == text.size())
            break;
        const char32_t cp = utf8::Decode(text, pos);
        if (EncodeCodePoint(cp) == '?' && cp != U'?')
            return false;
    }
    return true;
}

bool LooksLikeUtf8(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = utf8::Decode(text, pos);
        if (cp == 0xFFFD && pos - start != 3)
            return false;
        beyondAscii |= cp >= 0x80;
    }
    return beyondAscii;
}

std::string FromUtf8(std::string_view utf8) {
    // Most text is ASCII, which both encodings spell alike.
    if (utf8::IsAscii(utf8))
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = utf8::Decode(utf8, pos);
        out += EncodeCodePoint(cp);
    }
    return out;
}

} // namespace cp1252
