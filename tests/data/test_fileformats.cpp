// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive.h"
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "filesfixture.h"
#include "res/strings.h"
#include "test_helpers.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace {

TEST_F(Files, EmptyDocumentsHaveTheirExactSizes) {
    CCairnbookDoc doc(prompt);
    doc.SaveFile(dir.Path("empty.ckb"));
    EXPECT_EQ(ReadBytes(dir.Path("empty.ckb")), Str(res::kNativeHeader) + U32(1) + U32(0));
    EXPECT_EQ(ReadBytes(dir.Path("empty.ckb")).size(), 30u);
    prompt.m_answers = {EPromptAnswer::ok};
    EXPECT_EQ(doc.SaveFile(dir.Path("empty.wpt")), ESaveResult::saved);
    EXPECT_EQ(ReadBytes(dir.Path("empty.wpt")), Str(res::kWptHeader) + U32(1) + U32(0) + U32(0));
}

TEST_F(Files, NativeRoundTripKeepsEveryField) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 8);
    doc.m_WayList[2]->m_strAdditionalInfo = std::string(70000, 'z');
    doc.SaveFile(dir.Path("a.ckb"));
    CCairnbookDoc back(prompt);
    back.LoadFile(dir.Path("a.ckb"));
    ASSERT_EQ(back.m_WayList.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const CWayEntry& a = *doc.m_WayList[i];
        const CWayEntry& b = *back.m_WayList[i];
        EXPECT_TRUE(a.SameWaypoint(b)) << i;
        EXPECT_EQ(a.m_strName, b.m_strName);
        EXPECT_EQ(a.m_bGeocache, b.m_bGeocache);
        EXPECT_EQ(b.m_nNumber, i + 1);
    }
    EXPECT_TRUE(prompt.m_asked.empty());
}

TEST_F(Files, WptKeepsWhatItCanAndOpensWhateverItsName) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 6);
    prompt.m_answers = {EPromptAnswer::ok};
    ASSERT_EQ(doc.SaveFile(dir.Path("a.WPT")), ESaveResult::saved);
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Save Warning");
    EXPECT_EQ(prompt.m_asked[0].m_strText,
              "Some data will be lost with this file type.  Continue?");
    std::filesystem::copy_file(dir.Path("a.WPT"), dir.Path("wpt-inside.ckb"));
    CCairnbookDoc back(prompt);
    back.LoadFile(dir.Path("wpt-inside.ckb"));
    ASSERT_EQ(back.m_WayList.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const CWayEntry& a = *doc.m_WayList[i];
        const CWayEntry& b = *back.m_WayList[i];
        EXPECT_EQ(b.m_dLatitude, a.m_dLatitude);
        EXPECT_EQ(b.m_dLongitude, a.m_dLongitude);
        EXPECT_EQ(b.m_dAltitude, a.m_dAltitude);
        EXPECT_EQ(b.m_nIcon, a.m_nIcon % 42);
        EXPECT_EQ(b.m_bGeocache, 0);
        EXPECT_EQ(b.m_strAdditionalInfo, "");
    }
    // Saving it again under the .ckb name writes the native layout.
    back.SaveFile(dir.Path("wpt-inside.ckb"));
    EXPECT_EQ(ReadBytes(dir.Path("wpt-inside.ckb")).substr(1, 21), res::kNativeHeader);
}

TEST_F(Files, OnlyTheLastThreeLettersAsk) {
    CCairnbookDoc doc(prompt);
    doc.SaveFile(dir.Path("x.wpt.ckb"));
    EXPECT_TRUE(prompt.m_asked.empty());
}

TEST_F(Files, KnownHeadersAndTheShortLayout) {
    const std::string full1 = FullRecord("A", "", 1, "info");
    const std::string full2 = FullRecord("B", "", 2, "");
    for (const char* header : {"Tolvex Version 1.0", "Cairnbook Version 1.0"}) {
        WriteBytes(dir.Path("legacy.ckb"), Str(header) + U32(1) + U32(2) + full1 + full2);
        CCairnbookDoc doc(prompt);
        doc.LoadFile(dir.Path("legacy.ckb"));
        ASSERT_EQ(doc.m_WayList.size(), 2u) << header;
        EXPECT_EQ(doc.m_WayList[0]->m_strAdditionalInfo, "info");
        EXPECT_EQ(doc.m_WayList[1]->m_strName, "B");
    }
    // A header the program never wrote is no file of ours, whatever its name says.
    for (const char* name : {"odd.ckb", "odd.wpt"}) {
        WriteBytes(dir.Path(name), Str("Something Else") + U32(1) + U32(1) + full1);
        CCairnbookDoc doc(prompt);
        try {
            doc.LoadFile(dir.Path(name));
            ADD_FAILURE() << name;
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_strReason,
                      std::string(name) == "odd.ckb" ? "not a Cairnbook file" : "not a WPT file");
        }
    }
}

TEST_F(Files, DuplicateRecordsInOneFile) {
    const std::string rec = FullRecord("A", "c", 1, "");
    const std::string other = FullRecord("A", "d", 2, "");
    WriteBytes(dir.Path("dup.ckb"), Str(res::kNativeHeader) + U32(1) + U32(2) + rec + rec);
    CCairnbookDoc doc(prompt);
    doc.LoadFile(dir.Path("dup.ckb"));
    EXPECT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_TRUE(prompt.m_asked.empty());
    WriteBytes(dir.Path("dup2.ckb"), Str(res::kNativeHeader) + U32(1) + U32(2) + rec + other);
    CCairnbookDoc doc2(prompt);
    doc2.LoadFile(dir.Path("dup2.ckb"));
    EXPECT_EQ(doc2.m_WayList.size(), 1u);
    EXPECT_EQ(prompt.m_asked.size(), 1u);
}

TEST_F(Files, DamagedCountsAndTruncation) {
    const std::string rec = FullRecord("A", "", 1, "");
    struct Case {
        const char* label;
        std::string bytes;
        bool fails;
        std::size_t entries;
    } cases[] = {
        {"huge count", Str(res::kNativeHeader) + U32(1) + U32(0x7FFFFFFF) + rec, true, 1},
        {"count of 2^31", Str(res::kNativeHeader) + U32(1) + U32(0x80000000u) + rec, true, 0},
        {"cut record", Str(res::kNativeHeader) + U32(1) + U32(1) + rec.substr(0, 20), true, 0},
        {"cut header", Str(res::kNativeHeader).substr(0, 10), true, 0},
        {"empty file", "", true, 0},
    };
    for (const auto& c : cases) {
        WriteBytes(dir.Path("bad.ckb"), c.bytes);
        CCairnbookDoc doc(prompt);
        if (c.fails) {
            try {
                doc.LoadFile(dir.Path("bad.ckb"));
                ADD_FAILURE() << c.label;
            } catch (const CArchiveException& e) {
                EXPECT_NE(std::string(e.what()).find("bad.ckb"), std::string::npos) << c.label;
            }
        } else {
            doc.LoadFile(dir.Path("bad.ckb"));
        }
        EXPECT_EQ(doc.m_WayList.size(), c.entries) << c.label;
    }
}

TEST_F(Files, RandomBytesNeverCrash) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 400; ++round) {
        std::string bytes(rng() % 300, '\0');
        for (char& b : bytes)
            b = static_cast<char>(rng());
        if (round % 2) // a valid header over random records reaches deeper
            bytes = Str(round % 4 == 1 ? res::kNativeHeader : res::kWptHeader) + U32(1) +
                    U32(rng() % 50) + bytes;
        CMemorySource src(bytes);
        CArchive ar(src, "random.ckb");
        CCairnbookDoc doc(prompt);
        try {
            doc.Serialize(ar);
        } catch (const CArchiveException& e) {
            EXPECT_NE(e.m_cause, CArchiveException::fileError);
        }
    }
}

TEST_F(Files, MergeOfSavedCopies) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 6);
    doc.SaveFile(dir.Path("same.ckb"));
    prompt.m_answers = {EPromptAnswer::ok};
    doc.SaveFile(dir.Path("copy.wpt"));
    prompt.m_asked.clear();
    doc.MergeFile(dir.Path("same.ckb"));
    EXPECT_TRUE(prompt.m_asked.empty());
    EXPECT_TRUE(doc.IsModified());
    // The WPT copy lost the additional info of entries 1, 2, 4 and 5 and folded
    // the icons 42..45 of entries 2..5: five entries differ.
    doc.MergeFile(dir.Path("copy.wpt"));
    EXPECT_EQ(prompt.m_asked.size(), 5u);
    EXPECT_EQ(doc.m_WayList.size(), 6u);
}

TEST_F(Files, MergeDoesNotKnowTheLegacyHeader) {
    const std::string rec = FullRecord("A", "", 1, "info");
    WriteBytes(dir.Path("legacy.dat"), Str(res::kLegacyHeader) + U32(1) + U32(1) + rec);
    CCairnbookDoc doc(prompt);
    doc.MergeFile(dir.Path("legacy.dat"));
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_strAdditionalInfo, ""); // short layout
}

TEST_F(Files, MergeFailuresKeepWhatWasRead) {
    const std::string rec = FullRecord("A", "", 1, "");
    WriteBytes(dir.Path("cut.ckb"), Str(res::kNativeHeader) + U32(1) + U32(2) + rec + "\x01");
    CScriptedChooser chooser;
    CCairnbookDoc doc(prompt);
    doc.SetFileChooser(&chooser);
    std::vector<EDocChange> told;
    const auto listening = doc.Subscribe([&](const CDocChange& c) { told.push_back(c.m_kind); });
    chooser.m_next = CChosenFile{dir.Path("nowhere.ckb"), 1};
    doc.OnFileMerge();
    EXPECT_EQ(chooser.m_strTitle, "Merge");
    EXPECT_EQ(chooser.m_strFilter, MergeFilter());
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_NE(prompt.m_asked[0].m_strText.find("nowhere.ckb"), std::string::npos);
    chooser.m_next = CChosenFile{dir.Path("cut.ckb"), 1};
    doc.OnFileMerge();
    EXPECT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    // A file that cannot be opened changes nothing; a merge that failed
    // midway tells what it read.
    EXPECT_EQ(told, std::vector<EDocChange>{EDocChange::reset});
    EXPECT_EQ(prompt.m_asked.size(), 2u);
    WriteBytes(dir.Path("empty.ckb"), "");
    chooser.m_next = CChosenFile{dir.Path("empty.ckb"), 1};
    doc.OnFileMerge();
    EXPECT_EQ(prompt.m_asked.size(), 2u); // an empty file is quietly nothing
}

TEST_F(Files, ExportAddsTheFilterExtensionCaseSensitively) {
    EXPECT_EQ(FilterExtension(ExportFilter(), 1), ".wpt");
    EXPECT_EQ(FilterExtension(ExportFilter(), 2), ".ckb");
    CScriptedChooser chooser;
    CCairnbookDoc doc(prompt);
    Fill(doc, 2);
    doc.SetPathName("/orig.ckb");
    doc.SetFileChooser(&chooser);
    struct Case {
        const char* typed;
        int filter;
        const char* written;
        bool asks;
    } cases[] = {{"plain", 1, "plain.wpt", true},
                 {"X.WPT", 1, "X.WPT.wpt", true},
                 {"n.wpt", 2, "n.wpt.ckb", false},
                 {"k.ckb", 2, "k.ckb", false}};
    for (const auto& c : cases) {
        prompt.m_asked.clear();
        prompt.m_answers = {EPromptAnswer::ok};
        chooser.m_next = CChosenFile{dir.Path(c.typed), c.filter};
        doc.OnExportData();
        EXPECT_EQ(chooser.m_strTitle, "EXPORT");
        EXPECT_TRUE(std::filesystem::exists(dir.Path(c.written))) << c.typed;
        EXPECT_EQ(prompt.m_asked.size(), c.asks ? 1u : 0u) << c.typed;
    }
    EXPECT_EQ(doc.GetPathName(), "/orig.ckb");
    EXPECT_FALSE(doc.IsModified());
    prompt.m_answers = {EPromptAnswer::cancel};
    chooser.m_next = CChosenFile{dir.Path("declined"), 1};
    doc.OnExportData();
    EXPECT_FALSE(std::filesystem::exists(dir.Path("declined.wpt")));
}

TEST_F(Files, ExportOfMarkedEntriesOnly) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 10);
    for (auto& e : doc.m_WayList)
        e->m_bSave = 0;
    for (int i : {1, 4, 7})
        doc.m_WayList[static_cast<std::size_t>(i)]->m_bSave = 1;
    doc.SaveFile(dir.Path("part.ckb"));
    CCairnbookDoc back(prompt);
    back.LoadFile(dir.Path("part.ckb"));
    ASSERT_EQ(back.m_WayList.size(), 3u);
    EXPECT_EQ(back.m_WayList[0]->m_strName, "WP1");
    EXPECT_EQ(back.m_WayList[2]->m_nNumber, 3u);
}

} // namespace

// One list of formats: the dialogs keep their texts, the README's table is
// the list's, and a name's extension (not its last letters) chooses.
TEST(Formats, OneListGivesFiltersTableAndNames) {
    EXPECT_EQ(MergeFilter(), "Cairnbook (.ckb)|*.ckb|WPT Files (.wpt)|*.wpt|TopoGrafix Data File "
                             "(.loc)|*.loc|GPX Files (*.gpx)|*.gpx|Zip Files of GPX Files "
                             "(*.zip)|*.zip|Text Files (.txt)|*.txt|All "
                             "Files|*.*||");
    EXPECT_EQ(ExportFilter(),
              "WPT Files (.wpt)|*.wpt|Cairnbook (.ckb)|*.ckb|GPX Files (*.gpx)|*.gpx||");
    EXPECT_NE(ReadBytes(CAIRNBOOK_README).find(FormatTable()), std::string::npos) << FormatTable();
    const std::pair<const char*, const char*> names[] = {
        {"a.WPT", "wpt"}, {"bloc", "ckb"},       {"x.loc", ""},    {"dir.gpx/a", "ckb"},
        {"a.Gpx", "gpx"}, {"caches.kml", "ckb"}, {"a.ckb", "ckb"}, {"awpt", "ckb"}};
    for (const auto& [name, ext] : names) {
        const CFileFormat* f = FormatForWriting(name);
        EXPECT_EQ(f ? f->Extension() : "", ext) << name;
    }
}

// Running out of memory in a merge is told like any failure, never a crash
// (a GPX reader's handlers run inside expat, which is C). A child process
// with a small address-space limit merges a file with a 96 MB description.
TEST_F(Files, OutOfMemoryOnMergeIsTold) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs the address space the limit takes";
#endif
    WriteBytes(dir.Path("huge.gpx"), "<gpx><wpt lat=\"1\" lon=\"2\"><desc>" +
                                         std::string(96 << 20, 'x') + "</desc></wpt></gpx>");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (!statm || std::fscanf(statm, "%ld", &pages) != 1)
            _exit(2);
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (64 << 20);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_AS, &r);
        CScriptedPrompt told;
        CScriptedChooser chooser;
        chooser.m_next = CChosenFile{dir.Path("huge.gpx"), 1};
        CCairnbookDoc doc(told);
        doc.SetFileChooser(&chooser);
        doc.OnFileMerge();
        const bool ok = told.m_asked.size() == 1 &&
                        told.m_asked[0].m_strText.find("huge.gpx: there is not enough memory") !=
                            std::string::npos &&
                        doc.Entries().empty();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "the child crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// The samples, read and written through every format: what each holds, what
// each conversion keeps, and what must come out byte for byte.
TEST(Samples, GoldenFiles) {
    const std::string samples = std::string(CAIRNBOOK_SAMPLES) + "/";
    struct Case {
        const char* file;
        std::size_t count;
        const char *first, *last;
        const char* via;    // written with this extension...
        bool keepsAll;      // ...and read back as it was
        const char* golden; // the written file's bytes, when a sample has them
    };
    const Case cases[] = {
        {"sample.ckb", 12, "HOME", "RANGER", "ckb", true, "sample.ckb"},
        {"sample.ckb", 12, "HOME", "RANGER", "wpt", false, "sample.wpt"},
        {"sample.ckb", 12, "HOME", "RANGER", "gpx", true, nullptr},
        {"sample.wpt", 12, "HOME", "RANGER", "wpt", true, "sample.wpt"},
        {"sample.wpt", 12, "HOME", "RANGER", "ckb", true, nullptr},
        {"caches.gpx", 9, "GC1M2QK", "GC9MLLE", "gpx", true, nullptr},
        {"caches.gpx", 9, "GC1M2QK", "GC9MLLE", "ckb", false, nullptr},
        {"sample.loc", 4, "GC1M2QK", "GC4TTRE", "gpx", true, nullptr},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        const std::string what = std::string(c.file) + " via " + c.via;
        CScriptedPrompt prompt;
        prompt.m_answers.assign(8, EPromptAnswer::ok); // every Save Warning
        CCairnbookDoc doc(prompt);
        doc.LoadFile(samples + c.file);
        ASSERT_EQ(doc.Entries().size(), c.count) << what;
        EXPECT_EQ(doc.Entries().front()->m_strName, c.first) << what;
        EXPECT_EQ(doc.Entries().back()->m_strName, c.last) << what;
        const std::string via = dir.Path(std::string("via.") + c.via);
        ASSERT_EQ(doc.SaveFile(via), ESaveResult::saved) << what;
        if (c.golden) {
            EXPECT_EQ(ReadBytes(via), ReadBytes(samples + c.golden)) << what;
        }
        CCairnbookDoc back(prompt);
        back.LoadFile(via);
        ASSERT_EQ(back.Entries().size(), c.count) << what;
        if (c.keepsAll) {
            EXPECT_EQ(StateBytes(back), StateBytes(doc)) << what;
        }
    }
}
