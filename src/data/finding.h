// SPDX-License-Identifier: GPL-3.0-or-later
// Finding waypoints by text: in the name, the comment or the Additional Info,
// ignoring case as Unicode has it (so "é" finds "É" and "ł" finds "Ł").
#pragma once

#include "wayentry.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// The next entry after from (or before it, backward) whose texts hold needle,
// going round the end; from itself is tried last. Nothing for an empty needle
// or no hit.
std::optional<std::size_t> FindWaypoint(const std::vector<std::unique_ptr<CWayEntry>>& entries,
                                        std::string_view needle, std::size_t from, bool forward);
