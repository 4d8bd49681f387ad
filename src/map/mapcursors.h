// SPDX-License-Identifier: GPL-3.0-or-later
// The map's four cursors, one per click mode, drawn by us.
#pragma once

#include <QCursor>

// clickMode is the command of the mode: Zoom In, Zoom Out, Recenter or Add.
QCursor MapCursor(int clickMode);
