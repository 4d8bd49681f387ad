// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpxsymbols.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

// Written for each of the 50 icons; the caches all show as "Geocache", their
// kind going in the GPX type.
constexpr std::array<const char*, 50> kSymbols = {"Crossing",      "Waypoint",
                                                  "Residence",     "Tall Tower",
                                                  "Airport",       "Amusement Park",
                                                  "ATM",           "Car Repair",
                                                  "Boat Ramp",     "Campground",
                                                  "Exit",          "Medical Facility",
                                                  "Navaid, White", "Buoy, White",
                                                  "Gas Station",   "Garden",
                                                  "Golf Course",   "Lodging",
                                                  "Fishing Area",  "City (Large)",
                                                  "Light",         "City (Capitol)",
                                                  "Marina",        "City (Medium)",
                                                  "Museum",        "Obstruction",
                                                  "Park",          "Resort",
                                                  "Restaurant",    "Summit",
                                                  "Scuba Area",    "RV Park",
                                                  "Shooting Area", "Scenic Area",
                                                  "City (Small)",  "Sounding",
                                                  "Stadium",       "Information",
                                                  "Truck Stop",    "Winery",
                                                  "Shipwreck",     "Zoo",
                                                  "Geocache",      "Geocache",
                                                  "Geocache",      "Geocache",
                                                  "Geocache",      "Geocache",
                                                  "Geocache",      "Geocache"};

// Other names receivers and programs use for the same things.
constexpr std::pair<const char*, std::uint8_t> kMoreSymbols[] = {
    {"Flag", 1},
    {"Flag, Blue", 1},
    {"Flag, Green", 1},
    {"Flag, Red", 1},
    {"Pin, Blue", 1},
    {"Building", 2},
    {"House", 2},
    {"Radio Beacon", 3},
    {"Bank", 6},
    {"Anchor", 22},
    {"Boat", 8},
    {"Trail Head", 26},
    {"Picnic Area", 26},
    {"Forest", 26},
    {"First Aid", 11},
    {"Pharmacy", 11},
    {"Hospital", 11},
    {"Fuel", 14},
    {"Convenience Store", 14},
    {"Hunting Area", 18},
    {"Fishing Hot Spot Facility", 18},
    {"Lighthouse", 20},
    {"Ski Resort", 27},
    {"Fast Food", 28},
    {"Pizza", 28},
    {"Bar", 28},
    {"Mine", 29},
    {"Diver Down Flag 1", 30},
    {"Scenic Area", 33},
    {"Truck", 38},
    {"Danger Area", 25},
    {"Skull and Crossbones", 25},
    {"Geocache Found", 42},
    {"Camping", 9},
    {"RV Resort", 31},
    {"Tourist Info", 37},
    // Receivers' and pocket queries' names.
    {"Trailhead", 26},
    {"Parking Area", 7},
    {"Car", 7},
    {"Drinking Water", 9},
    {"Water Source", 9},
    {"Restroom", 9},
    {"Shelter", 9},
    {"Picnic", 26},
    {"Trail", 26},
    {"Bike Trail", 26},
    {"Flag, Yellow", 1},
    {"Pin, Green", 1},
    {"Pin, Red", 1},
    {"Reference Point", 1},
    {"Question to Answer", 37},
    {"Stages of a Multicache", 1},
    {"Physical Stage", 1},
    {"Virtual Stage", 1},
    {"Final Location", 1},
    {"Church", 24},
    {"Cemetery", 26},
    {"Bridge", 0},
    {"Dam", 25},
    {"Tunnel", 25},
    {"Swimming Area", 30},
    {"Beach", 27},
    {"Lodge", 17},
    {"Hotel", 17},
    {"Shopping Center", 14},
    {"Post Office", 2},
    {"School", 2},
    {"Police Station", 2},
    {"Fire Station", 2},
    {"Library", 24},
    {"Ghost Town", 34},
    {"Lake", 18},
    {"Waterfall", 33},
    {"Cave", 29},
    {"Ski Lift", 27},
    {"Train Station", 10},
    {"Ground Transportation", 10},
    {"Heliport", 4},
    {"Ice Skating", 36},
    {"Geocache Hidden", 42}};

constexpr std::array<const char*, 8> kCacheTypes = {
    "Traditional Cache", "Multi-cache",  "Virtual Cache", "Letterbox Hybrid",
    "Event Cache",       "Webcam Cache", "Unknown Cache", "Locationless (Reverse) Cache"};
constexpr std::uint8_t kFirstCacheIcon = 42;

constexpr std::pair<const char*, std::uint8_t> kMoreCacheTypes[] = {
    {"Traditional", 42},
    {"Multi", 43},
    {"Multicache", 43},
    {"Virtual", 44},
    {"Earthcache", 44},
    {"Letterbox", 45},
    {"Mega-Event Cache", 46},
    {"Giga-Event Cache", 46},
    {"Cache In Trash Out Event", 46},
    {"Community Celebration Event", 46},
    {"Lost and Found Event Cache", 46},
    {"GPS Adventures Exhibit", 46},
    {"Event", 46},
    {"Webcam", 47},
    {"Mystery Cache", 48},
    {"Unknown", 48},
    {"Mystery", 48},
    {"Wherigo Cache", 48},
    {"Puzzle", 48},
    {"Locationless Cache", 49},
    {"Locationless", 49},
    {"Project APE Cache", 42}};

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template <typename Names, typename More>
std::uint8_t Find(std::string_view name, const Names& names, std::uint8_t first, const More& more,
                  std::uint8_t fallback) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameNoCase(name, names[i]))
            return static_cast<std::uint8_t>(first + i);
    for (const auto& [text, icon] : more)
        if (SameNoCase(name, text))
            return icon;
    return fallback;
}

} // namespace

std::uint8_t IconOfSymbol(std::string_view symbol, std::uint8_t fallback) {
    return Find(symbol, kSymbols, 0, kMoreSymbols, fallback);
}

std::uint8_t IconOfCacheType(std::string_view cacheType, std::uint8_t fallback) {
    return Find(cacheType, kCacheTypes, kFirstCacheIcon, kMoreCacheTypes, fallback);
}

std::string SymbolOfIcon(int icon) {
    return icon >= 0 && icon < static_cast<int>(kSymbols.size()) ? kSymbols[std::size_t(icon)]
                                                                 : "Waypoint";
}

std::string CacheTypeOfIcon(int icon) {
    const int i = icon - kFirstCacheIcon;
    return i >= 0 && i < static_cast<int>(kCacheTypes.size()) ? kCacheTypes[std::size_t(i)] : "";
}
