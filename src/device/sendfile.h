// SPDX-License-Identifier: GPL-3.0-or-later
// Sending waypoints to a receiver: which ones, under what name, written so
// that an unplugged receiver never holds half a file under that name.
#pragma once

#include "receivergpx.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CCairnbookDoc;

// places, and every waypoint that belongs to a cache among them, in the
// document's order.
std::vector<std::size_t> WithChildren(const CCairnbookDoc& doc, std::vector<std::size_t> places);
// "caches.gpx" for a document at ".../caches.ckb"; "Waypoints.gpx" for one
// not saved yet.
std::string SentFileName(const std::string& docPath);
// The first name of folder not taken: "caches-2.gpx", "caches-3.gpx", ...
std::string KeepBothName(const std::string& folder, const std::string& name);
// Writes the waypoints at places as one receiver's GPX file at path (making
// its folder when the receiver has none yet), through a temporary beside it
// that is synced before it takes path's name. progress hears the bytes
// written so far. Throws CArchiveException, leaving path as it was.
CSentCount SendFile(const CCairnbookDoc& doc, const std::vector<std::size_t>& places,
                    const std::string& path,
                    const std::function<void(std::uint64_t)>& progress = {});
// "Sent 312 waypoints (45 caches) to eTrex 32x"
std::string SentMessage(const CSentCount& count, const std::string& to);
