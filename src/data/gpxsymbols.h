// SPDX-License-Identifier: GPL-3.0-or-later
// The GPS symbol names and geocache types that GPX files carry, and our icons.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The icon of a receiver's symbol name ("Campground", "Geocache", ...) or of
// a geocache type ("Traditional Cache", "Multi-cache", ...), ignoring case;
// fallback where the table knows no such name. (A plain byte, not an
// optional: an empty optional's byte is uninitialised, and it was read.)
std::uint8_t IconOfSymbol(std::string_view symbol, std::uint8_t fallback);
std::uint8_t IconOfCacheType(std::string_view cacheType, std::uint8_t fallback);
// The symbol name written for an icon, and the cache type for a cache icon
// (empty for the others).
std::string SymbolOfIcon(int icon);
std::string CacheTypeOfIcon(int icon);

// Where no table knows the symbol (or there is none): the neutral icon; the
// symbol itself is kept and written back.
inline constexpr std::uint8_t kUnknownSymbolIcon = 0;
