// SPDX-License-Identifier: GPL-3.0-or-later
// cairnbook-cli's command line, read by CLI11: each command takes the options
// that belong to it, and whatever else is a usage error that names it.
#include "clioptions.h"

#include "fileformat.h"
#include "geodesy.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <strings.h>

namespace {

constexpr std::array<const char*, 6> kCommandNames = {"list",    "convert", "merge",
                                                      "devices", "send",    "receive"};

// "2" or "1.5-3", checked as the option is read so the message names it.
CLI::Validator RangeCheck() {
    return CLI::Validator(
        [](std::string& v) {
            return ParseRange(v) ? std::string() : std::string("takes MIN-MAX, such as 1.5-3");
        },
        "MIN-MAX");
}

// The options every command takes: filters, notation, units and answers.
struct CTexts {
    std::string notation, difficulty, terrain, status, found, conflict;
};

void AddCommonOptions(CLI::App& c, CCliOptions& opt, CTexts& t) {
    c.add_option("files", opt.m_files);
    c.add_option("--notation", t.notation)->check(CLI::IsMember({"0", "1", "2"}));
    c.add_flag("--metric", opt.m_bMetric);
    c.add_flag("--yes", opt.m_bYes);
    c.add_option("--on-conflict", t.conflict)->check(CLI::IsMember({"keep", "replace"}));
    // One value each time, so that the files that follow stay files.
    c.add_option("--type", opt.m_filter.m_types)->allow_extra_args(false);
    c.add_option("--container", opt.m_filter.m_containers)->allow_extra_args(false);
    c.add_option("--difficulty", t.difficulty)->check(RangeCheck());
    c.add_option("--terrain", t.terrain)->check(RangeCheck());
    c.add_option("--status", t.status)->check(CLI::IsMember({"available", "disabled", "archived"}));
    c.add_option("--found", t.found)->check(CLI::IsMember({"yes", "no"}));
    c.add_option("--text", opt.m_filter.m_strText);
    c.add_option("--within", opt.m_within);
    c.add_option("--reference", opt.m_reference);
}

void AddOwnOptions(CLI::App& c, CCliOptions& opt) {
    const std::string name = c.get_name();
    if (name == "list")
        c.add_flag("--details", opt.m_bDetails);
    if (name == "merge" || name == "receive")
        c.add_option("-o", opt.m_output);
    if (name == "send")
        c.add_option("--device", opt.m_device);
    if (name == "receive")
        c.add_flag("--visits", opt.m_bVisits);
}

// A plain number is in the unit the list shows.
double WithinMetres(std::string v, bool metric) {
    double unit = metric ? 1000.0 : kMetresPerMile;
    for (const auto& [suffix, metres] :
         {std::pair<const char*, double>{"km", 1000.0}, {"mi", kMetresPerMile}, {"m", 1.0}})
        if (v.size() > std::strlen(suffix) && v.ends_with(suffix)) {
            v.resize(v.size() - std::strlen(suffix));
            unit = metres;
            break;
        }
    const auto range = ParseRange(v);
    if (!range || range->first != range->second || range->first < 0)
        throw CUsageError{"--within takes a distance, such as 5, 2.5km or 800m"};
    return range->first * unit;
}

} // namespace

CCliOptions ParseArgs(const std::vector<std::string>& args) {
    if (args.empty())
        throw CUsageError{"no command given"};
    if (std::find(kCommandNames.begin(), kCommandNames.end(), args[0]) == kCommandNames.end())
        throw CUsageError{"unknown command '" + args[0] + "'"};
    CCliOptions opt;
    CTexts t;
    CLI::App app("cairnbook-cli");
    app.set_help_flag(); // the help is ours, asked before the parse
    app.require_subcommand(1, 1);
    for (const char* name : kCommandNames) {
        CLI::App* c = app.add_subcommand(name);
        c->set_help_flag();
        AddCommonOptions(*c, opt, t);
        AddOwnOptions(*c, opt);
    }
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend()); // as CLI11 reads them
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        throw CUsageError{e.what()};
    }
    opt.m_strCommand = args[0];
    if (!t.notation.empty())
        opt.m_nNotation = t.notation[0] - '0';
    opt.m_bReplace = t.conflict == "replace";
    if (!t.difficulty.empty())
        opt.m_filter.m_difficulty = ParseRange(t.difficulty);
    if (!t.terrain.empty())
        opt.m_filter.m_terrain = ParseRange(t.terrain);
    if (!t.status.empty())
        opt.m_filter.m_status = t.status == "available"  ? ECacheStatus::available
                                : t.status == "disabled" ? ECacheStatus::disabled
                                                         : ECacheStatus::archived;
    if (!t.found.empty())
        opt.m_filter.m_found = t.found == "yes";
    if (opt.m_within)
        opt.m_filter.m_withinMetres = WithinMetres(*opt.m_within, opt.m_bMetric);
    return opt;
}

void CheckArity(const CCliOptions& opt) {
    const std::size_t n = opt.m_files.size();
    const std::string& command = opt.m_strCommand;
    if (command == "list" && n != 1)
        throw CUsageError{"list takes exactly one file"};
    if (command == "convert" && n != 2)
        throw CUsageError{"convert takes an input and an output file"};
    if (command == "merge" && (n < 2 || !opt.m_output))
        throw CUsageError{"merge takes a document, at least one input file and -o OUT"};
    if (command == "devices" && n != 0)
        throw CUsageError{"devices takes no file"};
    if (command == "send" && n < 1)
        throw CUsageError{"send takes at least one file"};
    if (command == "receive" && (n != 1 || !opt.m_output))
        throw CUsageError{"receive takes a folder and -o OUT"};
    if (command != "list" && opt.m_reference && !opt.m_within)
        throw CUsageError{"--reference belongs to list, and to --within"};
    if (opt.m_within && !opt.m_reference)
        throw CUsageError{"--within needs --reference NAME"};
    const std::string* out = command == "convert"                         ? &opt.m_files[1]
                             : command == "merge" || command == "receive" ? &*opt.m_output
                                                                          : nullptr;
    if (out && !FormatForWriting(*out))
        throw CUsageError{*out + ": this format is read only; it cannot be written"};
    // Names of formats we do not know: native bytes under them would mislead.
    const std::string ext = out ? std::filesystem::path(*out).extension().string() : "";
    for (const char* foreign : {".kml", ".kmz", ".csv"})
        if (strcasecmp(ext.c_str(), foreign) == 0)
            throw CUsageError{*out + ": this format cannot be written; name the output one of" +
                              WrittenExtensions()};
}
