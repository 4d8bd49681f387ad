// SPDX-License-Identifier: GPL-3.0-or-later
// The listing pane's page for one waypoint, as HTML: a cache's listing
// (code, owner, type, container, difficulty and terrain, state and find, the
// hint behind a link, descriptions, attributes, latest logs, its waypoints),
// or another waypoint's fields, time and links. Descriptions from files are
// made safe first: nothing in the page runs or fetches anything.
#pragma once

#include <string>
#include <string_view>

class CCairnbookDoc;
class CCacheTies;

// Links the page uses for itself.
inline constexpr std::string_view kShowHintLink = "cairnbook:hint";
inline constexpr std::string_view kSelectLink = "cairnbook:select:"; // + the place

std::string ListingHtml(const CCairnbookDoc& doc, std::size_t place, const CCacheTies& ties,
                        bool hintShown);
// Scripts, styles, frames, objects and forms out; an image becomes a link
// to it; event handlers and javascript: links go.
std::string SafeHtml(std::string_view html);
std::string Rot13(std::string_view text);
