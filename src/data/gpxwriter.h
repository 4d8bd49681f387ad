// SPDX-License-Identifier: GPL-3.0-or-later
// Writing GPX: one <wpt> per waypoint marked for saving, with our own
// extension so that every field reads back exactly, and with everything a
// GPX file it came from held (gpxkeep.h). Files read as GPX 1.0 are written
// as 1.0; everything else as 1.1.
#pragma once

#include "gpxkeep.h"
#include "wayentry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CArchive;

void WriteGpx(CArchive& ar, const std::vector<std::unique_ptr<CWayEntry>>& entries,
              const CGpxFileKept& file);

// XML text (and attribute values) as the writer escapes them.
void AppendEscaped(std::string& out, std::string_view text);
// The gpxkeep::EModelled bit of a <wpt> child's local name; 0 for the others.
std::uint8_t ModelledField(std::string_view local);
// The element the writer makes of a modelled field, without indentation.
std::string OwnElement(std::uint8_t field, const CWayEntry& e);
// The element written for a modelled field of a waypoint a GPX file gave:
// as read while the user left the field, else our own; empty for none.
std::string ModelledElement(std::uint8_t field, const CWayEntry& e,
                            const std::vector<gpxkeep::CRecord>& records,
                            const gpxkeep::CChanges& changes, std::uint8_t present);
