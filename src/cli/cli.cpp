// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "clioptions.h"

#include "archiveexception.h"
#include "cachelisting.h"
#include "cacheties.h"
#include "cairnbookdoc.h"
#include "coordinate.h"
#include "numtext.h"
#include "prompt.h"
#include "res/strings.h"
#include "rowtext.h"
#include "waypointfilter.h"

#include <exception>
#include <numeric>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace {

// Prints every question in full and answers it from the options.
class CCliPrompt : public CPrompt {
public:
    CCliPrompt(std::ostream& err, bool yes, bool replace)
        : m_err(err), m_bYes(yes), m_bReplace(replace) {}

    EPromptAnswer Ask(const std::string& caption, const std::string& text, EPromptButtons buttons,
                      EPromptIcon) override {
        m_err << PrintableText(caption) << ": " << PrintableText(text) << "\n";
        switch (buttons) {
        case EPromptButtons::okCancel: return m_bYes ? EPromptAnswer::ok : EPromptAnswer::cancel;
        case EPromptButtons::yesNo:
        case EPromptButtons::yesNoCancel:
            return m_bReplace ? EPromptAnswer::yes : EPromptAnswer::no;
        case EPromptButtons::ok: break;
        }
        return EPromptAnswer::ok;
    }
    // What a lossy format loses is told when it is written anyway.
    EPromptAnswer AskWithDetails(const std::string& caption, const std::string& text,
                                 const std::string& details, EPromptButtons buttons,
                                 EPromptIcon icon) override {
        const EPromptAnswer answer = Ask(caption, text, buttons, icon);
        if (answer == EPromptAnswer::ok || answer == EPromptAnswer::yes)
            m_err << PrintableText(details);
        return answer;
    }

private:
    std::ostream& m_err;
    bool m_bYes;
    bool m_bReplace;
};

// The listing's columns of --details.
void AppendDetails(std::string& out, const CCairnbookDoc& doc, const CCacheTies& ties,
                   std::size_t place) {
    const CWayEntry& e = *doc.Entries()[place];
    const CCacheListing l = ListingOf(e);
    const bool cache = l.m_bPresent || e.m_bGeocache == 1;
    const char* status = !cache                                         ? ""
                         : l.m_state.m_status == ECacheStatus::archived ? "archived"
                         : l.m_state.m_status == ECacheStatus::disabled ? "disabled"
                                                                        : "available";
    const auto parent = ties.ParentOf(place);
    for (const std::string& cell :
         {l.m_strType, l.m_strContainer, l.m_strDifficulty, l.m_strTerrain, std::string(status),
          l.FoundDate(), parent ? doc.Entries()[*parent]->m_strName.str() : std::string()}) {
        out += '\t';
        AppendCell(out, cell);
    }
}

void SetReference(CCairnbookDoc& doc, const CCliOptions& opt) {
    if (!opt.m_reference)
        return;
    CWayEntry* reference = doc.FindByName(*opt.m_reference);
    // The command line is right; the file lacks the waypoint: a data error.
    if (!reference)
        throw std::runtime_error(opt.m_files.front() + ": no waypoint named '" + *opt.m_reference +
                                 "' in it");
    doc.SetReference(reference);
}

int List(CCairnbookDoc& doc, const CCliOptions& opt, std::ostream& out) {
    SetReference(doc, opt);
    CDistances distances; // without a reference point every leg is empty: none is stored
    if (doc.Reference())
        distances.Measure(doc);
    const std::optional<CCacheTies> ties =
        opt.m_bDetails ? std::optional<CCacheTies>(doc.Entries()) : std::nullopt;
    // Lines are made in one buffer and written in large pieces: a stream's
    // insertions, a dozen a line, cost more than making the line.
    std::string lines;
    int row = 0;
    for (const auto& entry : doc.Entries()) {
        if (!opt.m_filter.Matches(*entry, distances.At(static_cast<std::size_t>(row)))) {
            ++row; // the row keeps its number: the document's place
            continue;
        }
        const CLeg& leg = distances.At(static_cast<std::size_t>(row));
        AppendInt(lines, ++row);
        // Cell by cell, and the waypoint's own texts without a copy.
        for (int c = 1; c < kColumnCount; ++c) {
            lines += '\t';
            switch (c) {
            case 1: AppendCell(lines, entry->m_strName); break;
            case 2: AppendCell(lines, entry->m_strComment); break;
            case 7: lines += entry->m_bGeocache == 1 ? '1' : '0'; break;
            case 8: lines += entry->m_bVisible == 1 ? '1' : '0'; break;
            case 9: AppendCell(lines, entry->m_strAdditionalInfo); break;
            default: AppendCell(lines, RowCellText(*entry, row - 1, c, opt.m_bMetric, leg));
            }
        }
        if (ties)
            AppendDetails(lines, doc, *ties, static_cast<std::size_t>(row - 1));
        lines += '\n';
        if (lines.size() > (1 << 16)) {
            out.write(lines.data(), std::streamsize(lines.size()));
            lines.clear();
        }
    }
    out.write(lines.data(), std::streamsize(lines.size()));
    return kExitOk;
}

} // namespace

void PrintNotices(CCairnbookDoc& doc, const std::string& path, std::ostream& err) {
    for (const std::string& notice : doc.TakeNotices())
        err << "cairnbook-cli: " << PrintableName(path) << ": " << PrintableText(notice) << "\n";
}

std::vector<std::size_t> SelectedPlaces(CCairnbookDoc& doc, const CCliOptions& opt) {
    if (opt.m_filter.Empty()) {
        std::vector<std::size_t> all(doc.Entries().size());
        std::iota(all.begin(), all.end(), std::size_t(0));
        return all;
    }
    SetReference(doc, opt);
    CDistances distances;
    distances.Measure(doc);
    return MatchingPlaces(doc, opt.m_filter, distances);
}

int Save(CCairnbookDoc& doc, const CCliOptions& opt, const std::string& path, std::ostream& err) {
    // Only what the filter selects is written: the rest are unmarked.
    if (!opt.m_filter.Empty()) {
        for (const auto& entry : doc.Entries())
            entry->m_bSave = 0;
        for (std::size_t place : SelectedPlaces(doc, opt))
            doc.Entries()[place]->m_bSave = 1;
    }
    if (doc.SaveFile(path) == ESaveResult::cancelled) {
        err << "cairnbook-cli: " << PrintableName(path)
            << " was not written (answer with --yes to write it)\n";
        return kExitDeclined;
    }
    return kExitOk;
}

namespace {

int Run(const CCliOptions& opt, std::ostream& out, std::ostream& err) {
    g_nCoordFormat = opt.m_nNotation;
    if (opt.m_strCommand == "devices")
        return Devices(out, err);
    CCliPrompt prompt(err, opt.m_bYes, opt.m_bReplace);
    CCairnbookDoc doc(prompt);
    if (opt.m_strCommand == "receive")
        return Receive(opt, doc, out, err);
    doc.LoadFile(opt.m_files[0]);
    PrintNotices(doc, opt.m_files[0], err);
    if (opt.m_strCommand == "list")
        return List(doc, opt, out);
    if (opt.m_strCommand == "convert")
        return Save(doc, opt, opt.m_files[1], err);
    for (std::size_t i = 1; i < opt.m_files.size(); ++i) {
        doc.MergeFile(opt.m_files[i]);
        PrintNotices(doc, opt.m_files[i], err);
    }
    if (opt.m_strCommand == "send")
        return Send(doc, opt, out);
    return Save(doc, opt, *opt.m_output, err);
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
            if (args.size() == 1) {
                out << Usage();
                return kExitOk;
            }
            const auto help = CommandHelp(args[1]);
            if (!help || args.size() > 2)
                throw CUsageError{"help takes one of the commands: list, convert, merge, "
                                  "devices, send, receive"};
            out << *help;
            return kExitOk;
        }
        // "cairnbook-cli send --help": that command's help.
        for (std::size_t i = 1; i < args.size(); ++i)
            if (args[i] == "--help" || args[i] == "-h")
                if (const auto help = CommandHelp(args[0])) {
                    out << *help;
                    return kExitOk;
                }
        if (!args.empty() && args[0] == "--version") {
            out << "cairnbook-cli " << res::kVersionNumber << "\n" << res::kLicenceNotice << "\n";
            return kExitOk;
        }
        CCliOptions opt = ParseArgs(args);
        CheckArity(opt);
        return Run(opt, out, err);
    } catch (const CUsageError& e) {
        err << "cairnbook-cli: " << PrintableName(e.m_strText) << "\n" << Usage();
        return kExitUsage;
    } catch (const CArchiveException& e) {
        err << "cairnbook-cli: " << PrintableName(e.what()) << "\n";
        return kExitFile;
    } catch (const std::bad_alloc&) {
        err << "cairnbook-cli: not enough memory\n";
        return kExitFile;
    } catch (const std::exception& e) {
        err << "cairnbook-cli: " << PrintableName(e.what()) << "\n";
        return kExitFile;
    }
}
