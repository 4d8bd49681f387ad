// Writing GPX 1.1: one <wpt> per waypoint marked for saving, with our own
// extension so that every field reads back exactly.
#pragma once

#include "wayentry.h"

#include <memory>
#include <string>
#include <vector>

class CArchive;

void WriteGpx(CArchive& ar, const std::vector<std::unique_ptr<CWayEntry>>& entries);
