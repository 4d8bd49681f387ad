// SPDX-License-Identifier: GPL-3.0-or-later
// cairnbook-cli's usage, and each command's help.
#include "clioptions.h"

#include "fileformat.h"

#include <array>

namespace {

const char* const kUsage =
    "usage: cairnbook-cli help [COMMAND] | --help | --version\n"
    "       cairnbook-cli list FILE [--notation 0|1|2] [--metric] [--reference NAME]\n"
    "                          [--details] [--on-conflict keep|replace]\n"
    "       cairnbook-cli convert IN OUT [--yes] [--on-conflict keep|replace]\n"
    "       cairnbook-cli merge DOC IN... -o OUT [--yes] [--on-conflict keep|replace]\n"
    "       cairnbook-cli devices\n"
    "       cairnbook-cli send FILE... [--device DIR] [--on-conflict keep|replace]\n"
    "       cairnbook-cli receive DIR -o OUT [--visits] [--on-conflict keep|replace]\n"
    "send writes the rows (the filter's, or all) and their caches' waypoints to the one\n"
    "receiver found, or to DIR (a receiver's drive or any folder); receive reads the GPX\n"
    "files of DIR into OUT, or with --visits marks OUT's caches found that DIR logged.\n"
    "Filters select the rows of list and what convert, merge and send write:\n"
    "       [--type NAME]... [--container NAME]... [--difficulty MIN-MAX] [--terrain MIN-MAX]\n"
    "       [--status available|disabled|archived] [--found yes|no] [--text TEXT]\n"
    "       [--within DISTANCE[km|mi|m] --reference NAME]  (plain: miles, km with --metric)\n"
    "Every command also takes --notation for the coordinates of the questions it prints.\n"
    "--details adds the columns type, container, difficulty, terrain, status (available,\n"
    "disabled or archived), found (the date of the find, \"yes\" without one) and parent\n"
    "(the cache a waypoint belongs to), empty where a waypoint has no listing.\n";

struct CCommandHelp {
    const char* m_name;
    const char* m_text;
};

constexpr const char* kFilters =
    "Filters (a waypoint must pass each): [--type NAME]... [--container NAME]...\n"
    "  [--difficulty MIN-MAX] [--terrain MIN-MAX] [--status available|disabled|archived]\n"
    "  [--found yes|no] [--text TEXT] [--within DISTANCE[km|mi|m] --reference NAME]\n";

constexpr std::array<CCommandHelp, 6> kCommands = {{
    {"list", "usage: cairnbook-cli list FILE [--notation 0|1|2] [--metric] [--reference NAME]\n"
             "                          [--details] [--on-conflict keep|replace] [filters]\n"
             "Prints one tab-separated line per waypoint: row, name, comment, latitude,\n"
             "longitude, altitude, icon, geocache, visible, additional info, distance and\n"
             "direction; --details adds type, container, difficulty, terrain, status, found\n"
             "and parent.\n"},
    {"convert",
     "usage: cairnbook-cli convert IN OUT [--yes] [--on-conflict keep|replace] [filters]\n"
     "Writes IN to OUT in the format OUT's extension names; --yes writes a format\n"
     "that loses data, listing what is lost.\n"},
    {"merge", "usage: cairnbook-cli merge DOC IN... -o OUT [--yes] [--on-conflict keep|replace]\n"
              "                           [filters]\n"
              "Merges every IN into DOC and writes OUT; --on-conflict answers the merge\n"
              "question for a name DOC holds with other data.\n"},
    {"devices", "usage: cairnbook-cli devices\n"
                "Lists the GPS receivers found (mounted drives with a Garmin folder, and the\n"
                "folders of CAIRNBOOK_DEVICE_ROOTS): name, GPX folder, free space.\n"},
    {"send", "usage: cairnbook-cli send FILE... [--device DIR] [--on-conflict keep|replace]\n"
             "                          [filters]\n"
             "Sends the waypoints the filter selects (all without one), with the waypoints\n"
             "of their caches, to the one receiver found or to DIR, as FILE.gpx; a name\n"
             "already there is kept (FILE-2.gpx) or, with --on-conflict replace, replaced.\n"},
    {"receive", "usage: cairnbook-cli receive DIR -o OUT [--visits] [--on-conflict keep|replace]\n"
                "Writes the waypoints of the GPX files of the receiver at DIR to OUT; with\n"
                "--visits marks the caches of OUT found that the receiver logged.\n"},
}};

} // namespace

std::string Usage() {
    return kUsage + FormatHelp();
}

std::optional<std::string> CommandHelp(const std::string& command) {
    for (const CCommandHelp& c : kCommands)
        if (command == c.m_name) {
            std::string text = c.m_text;
            if (command != "devices" && command != "receive")
                text += kFilters;
            return text + "Exit codes: 0 success, 1 failure, 2 usage, 3 a question declined.\n";
        }
    return std::nullopt;
}
