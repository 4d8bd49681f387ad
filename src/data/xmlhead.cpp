// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlhead.h"

std::string RootElement(std::string_view head) {
    if (head.starts_with("\xEF\xBB\xBF"))
        head.remove_prefix(3);
    for (std::size_t at = head.find('<'); at != std::string_view::npos; at = head.find('<', at)) {
        const std::string_view rest = head.substr(at + 1);
        // Declarations, comments and the document type come before the root.
        const char* end = rest.starts_with('?')     ? "?>"
                          : rest.starts_with("!--") ? "-->"
                          : rest.starts_with('!')   ? ">"
                                                    : nullptr;
        if (end) {
            const std::size_t close = head.find(end, at + 1);
            if (close == std::string_view::npos)
                return {};
            at = close;
            continue;
        }
        const std::size_t stop = rest.find_first_of(" \t\r\n/>");
        if (stop == std::string_view::npos)
            return {};
        std::string_view name = rest.substr(0, stop);
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos)
            name.remove_prefix(colon + 1);
        return std::string(name);
    }
    return {};
}
