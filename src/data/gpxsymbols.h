// The GPS symbol names and geocache types that GPX files carry, and our icons.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The icon of a receiver's symbol name ("Campground", "Geocache", ...) or of
// a geocache type ("Traditional Cache", "Multi-cache", ...), ignoring case.
std::optional<std::uint8_t> IconOfSymbol(std::string_view symbol);
std::optional<std::uint8_t> IconOfCacheType(std::string_view cacheType);
// The symbol name written for an icon, and the cache type for a cache icon
// (empty for the others).
std::string SymbolOfIcon(int icon);
std::string CacheTypeOfIcon(int icon);

// Where no table knows the symbol: the icon LOC import gives.
inline constexpr std::uint8_t kImportedIcon = 32;
