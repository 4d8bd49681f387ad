// SPDX-License-Identifier: GPL-3.0-or-later
#include "charsets.h"

#include "cp1252.h"
#include "utf8text.h"

#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace {

CByteTable Cp1252Table() {
    CByteTable t{};
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = cp1252::ToUtf8(std::string(1, static_cast<char>(b)));
        std::size_t pos = 0;
        t[std::size_t(b)] = utf8::Decode(utf8, pos);
    }
    return t;
}

std::optional<CByteTable> IconvTable(const std::string& name) {
    const iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    CByteTable t{};
    bool ok = true;
    for (int b = 0; b < 256 && ok; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inp = &in;
        char* outp = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        if (done == static_cast<std::size_t>(-1) && errno == EINVAL) {
            ok = false; // the first byte of a longer sequence: not single-byte
            break;
        }
        const char32_t cp = done == static_cast<std::size_t>(-1) || outLeft != 4
                                ? 0xFFFD
                                : char32_t(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
        ok = b >= 0x80 || cp == char32_t(b);
        t[std::size_t(b)] = cp;
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return t;
}

} // namespace

std::optional<CByteTable> SingleByteTable(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "windows-1252" || lower == "cp1252") {
        static const CByteTable table = Cp1252Table();
        return table;
    }
    return IconvTable(lower);
}

std::string DecodeBytes(const CByteTable& table, std::string_view bytes) {
    if (utf8::IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes)
        utf8::Append(out, table[static_cast<unsigned char>(c)]);
    return out;
}
