// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line prints of files' texts: never raw to the terminal.
#include "cli.h"
#include "clioptions.h"

#include "numtext.h"

// Text never reaches the terminal raw: controls (C0, DEL, C1) and bytes
// that are no UTF-8 are escaped, so that no file or name can drive it. In a
// cell, tab, CR, LF and backslash are written \t, \r, \n and \\.
void AppendPrintable(std::string& out, std::string_view utf8, bool cell) {
    for (std::size_t i = 0; i < utf8.size();) {
        // Runs of plain ASCII, most of any text, go in whole.
        std::size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) - 0x20u < 0x5Fu &&
               !(cell && utf8[run] == '\\'))
            ++run;
        out.append(utf8.data() + i, run - i);
        if ((i = run) == utf8.size())
            break;
        const char* escape = !cell             ? nullptr
                             : utf8[i] == '\t' ? "\\t"
                             : utf8[i] == '\r' ? "\\r"
                             : utf8[i] == '\n' ? "\\n"
                             : utf8[i] == '\\' ? "\\\\"
                                               : nullptr;
        if (escape) {
            out += escape;
            ++i;
            continue;
        }
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
        bool whole = n > 0 && i + n <= utf8.size();
        for (std::size_t k = 1; whole && k < n; ++k)
            whole = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
        const bool c1 =
            whole && n == 2 && b == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
        if (n == 1 && b >= 0x20 && b != 0x7F) {
            out += utf8[i++];
        } else if (whole && n > 1 && !c1) {
            out.append(utf8, i, n);
            i += n;
        } else if (c1) {
            out += StrFormat("\\x%02X\\x%02X", b, static_cast<unsigned char>(utf8[i + 1]));
            i += 2;
        } else {
            out += StrFormat("\\x%02X", b);
            ++i;
        }
    }
}

std::string PrintableName(const std::string& utf8) {
    std::string out;
    AppendPrintable(out, utf8);
    return out;
}

std::string PrintableText(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A line break a file wrote as "\r\n" is a line break on the terminal.
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (text[i] != '\n' && !crlf)
            continue;
        AppendPrintable(out, std::string_view(text).substr(start, i - start));
        out += '\n';
        i += crlf;
        start = i + 1;
    }
    AppendPrintable(out, std::string_view(text).substr(start));
    return out;
}

std::string EscapeCell(const std::string& text) {
    std::string out;
    AppendCell(out, text);
    return out;
}

void AppendCell(std::string& out, std::string_view text) {
    AppendPrintable(out, text, true);
}
