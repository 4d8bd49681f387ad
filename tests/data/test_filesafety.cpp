// SPDX-License-Identifier: GPL-3.0-or-later
// Saving safely: a declined question, links, what is no regular file, a
// save killed midway, pipes and failed writes leave the target as it was.
#include "archive.h"
#include "cairnbookdoc.h"
#include "filecommands.h"
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

TEST_F(Files, CancelledSaveWarningLeavesTheFileAsItWas) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 3);
    WriteBytes(dir.Path("keep.wpt"), "precious bytes");
    prompt.m_answers = {EPromptAnswer::cancel};
    EXPECT_EQ(doc.SaveFile(dir.Path("keep.wpt")), ESaveResult::cancelled);
    EXPECT_EQ(ReadBytes(dir.Path("keep.wpt")), "precious bytes");
    EXPECT_EQ(doc.SaveFile(dir.Path("new.wpt")), ESaveResult::cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("new.wpt")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}

TEST_F(Files, SavingThroughALinkKeepsTheLink) {
    CCairnbookDoc doc(prompt);
    WriteBytes(dir.Path("real.ckb"), "old");
    std::filesystem::create_symlink(dir.Path("real.ckb"), dir.Path("link.ckb"));
    doc.SaveFile(dir.Path("link.ckb"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.ckb")));
    EXPECT_EQ(ReadBytes(dir.Path("real.ckb")).size(), 30u);
}

// Devices and pipes are written where they are; a dangling link makes the
// file it names; temporaries a killed save left behind are cleared away.
TEST_F(Files, SavingOverWhatIsNoRegularFile) {
    namespace fs = std::filesystem;
    CCairnbookDoc doc(prompt);
    Fill(doc, 2);
    ASSERT_EQ(mkfifo(dir.Path("pipe.ckb").c_str(), 0600), 0);
    std::string piped;
    std::thread reader([&] { piped = ReadBytes(dir.Path("pipe.ckb")); });
    doc.SaveFile(dir.Path("pipe.ckb"));
    reader.join();
    EXPECT_EQ(piped.size(), 134u);
    EXPECT_TRUE(fs::is_fifo(dir.Path("pipe.ckb")));
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_THROW(doc.SaveFile("/dev/full"), CArchiveException);
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
    fs::create_symlink("named.ckb", dir.Path("dangling.ckb"));
    doc.SaveFile(dir.Path("dangling.ckb"));
    EXPECT_TRUE(fs::is_symlink(dir.Path("dangling.ckb")));
    EXPECT_EQ(ReadBytes(dir.Path("named.ckb")).size(), 134u);
}

// A save clears only what a killed save of ours left: a file of our marked
// name that no save holds. The user's own files stay, however they are named
// and however old; so does a temporary another save still holds.
TEST_F(Files, SavesAndOpensClearOnlyTheirOwnLeftovers) {
    namespace fs = std::filesystem;
    CCairnbookDoc doc(prompt);
    Fill(doc, 2);
    const struct {
        const char* name;
        bool ours, held, removed;
    } files[] = {
        {".kept.ckb.Ab3xZ9", false, false, false},
        {".kept.ckb.backup", false, false, false},
        {".kept.ckb.cairnbook-save-123456", true, false, true},
        {".kept.ckb.cairnbook-save-654321", true, true, false},
        {".other.ckb.cairnbook-save-111111", true, false, true}, // cleared at the open
    };
    std::vector<int> locks;
    for (const auto& f : files) {
        WriteBytes(dir.Path(f.name), "left behind");
        fs::last_write_time(dir.Path(f.name),
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
        const int fd = open(dir.Path(f.name).c_str(), O_RDONLY);
        if (f.ours)
            fsetxattr(fd, "user.cairnbook.save", "1", 1, 0); // where the file system keeps it
        if (f.held)
            flock(fd, LOCK_EX);
        f.held ? locks.push_back(fd) : (void)close(fd);
    }
    doc.SaveFile(dir.Path("kept.ckb"));
    EXPECT_TRUE(fs::exists(dir.Path(".other.ckb.cairnbook-save-111111"))); // not this target's
    CCairnbookDoc other(prompt);
    other.LoadFile(dir.Path("kept.ckb"));
    for (const auto& f : files)
        EXPECT_EQ(fs::exists(dir.Path(f.name)), !f.removed) << f.name;
    for (int fd : locks)
        close(fd);
    // A new file takes its name at once; a replaced one leaves nothing beside it.
    doc.SaveFile(dir.Path("new.ckb"));
    doc.SaveFile(dir.Path("new.ckb"));
    for (const auto& entry : fs::directory_iterator(dir.Path("")))
        EXPECT_EQ(entry.path().filename().string().find("cairnbook-save-") == std::string::npos,
                  entry.path().filename() != ".kept.ckb.cairnbook-save-654321")
            << entry.path();
}

// A pipe nobody reads fails at once with a reason, and one whose reader goes
// away fails the save instead of ending the program.
TEST_F(Files, PipesWithoutReadersFailTheSave) {
    CCairnbookDoc doc(prompt);
    Fill(doc, 3000);
    signal(SIGPIPE, SIG_IGN); // as both programs do
    ASSERT_EQ(mkfifo(dir.Path("nobody.ckb").c_str(), 0600), 0);
    try {
        doc.SaveFile(dir.Path("nobody.ckb"));
        ADD_FAILURE() << "saved into a pipe nobody reads";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("nobody is reading it"), std::string::npos)
            << e.what();
    }
    ASSERT_EQ(mkfifo(dir.Path("leaves.ckb").c_str(), 0600), 0);
    std::thread reader([&] {
        const int fd = open(dir.Path("leaves.ckb").c_str(), O_RDONLY);
        char first[16];
        EXPECT_GT(read(fd, first, sizeof first), 0);
        close(fd); // gone after the first bytes
    });
    EXPECT_THROW(doc.SaveFile(dir.Path("leaves.ckb")), CArchiveException);
    reader.join();
}

TEST_F(Files, FailedWriteIsReportedAndLeavesNoFile) {
    CCairnbookDoc doc(prompt);
    EXPECT_THROW(doc.SaveFile(dir.Path("missing-folder/x.ckb")), CArchiveException);
    EXPECT_THROW(doc.SaveFile("/proc/version"), CArchiveException);
}

} // namespace

// Stops a read or write at its stop-th step, and remembers every step.
class CStoppingProgress : public CProgress {
public:
    explicit CStoppingProgress(int stop) : m_nStop(stop) {}
    bool Step(const std::string&, bool saving, std::uint64_t done, std::uint64_t total) override {
        m_steps.push_back({done, total});
        m_bSaving = saving;
        return int(m_steps.size()) != m_nStop;
    }
    void Finished() override { ++m_nFinished; }
    int m_nStop;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> m_steps;
    bool m_bSaving = false;
    int m_nFinished = 0;
};

TEST_F(Files, LongReadsAndWritesTellTheirProgressAndStopWhenCancelled) {
    CCairnbookDoc big(prompt);
    Fill(big, 40'000); // about 3 MB: three steps of a megabyte
    big.SaveFile(dir.Path("big.ckb"));
    const std::string before = ReadBytes(dir.Path("big.ckb"));
    // Told on the way, rising, within the file's size; and once at the end.
    CStoppingProgress follow(0);
    CFileCommands commands(prompt, nullptr, &follow);
    ASSERT_TRUE(commands.Open(dir.Path("big.ckb")));
    ASSERT_GE(follow.m_steps.size(), 2u);
    for (std::size_t i = 0; i < follow.m_steps.size(); ++i) {
        EXPECT_LE(follow.m_steps[i].first, follow.m_steps[i].second);
        EXPECT_EQ(follow.m_steps[i].second, before.size());
        EXPECT_GT(follow.m_steps[i].first, i ? follow.m_steps[i - 1].first : 0);
    }
    EXPECT_EQ(follow.m_nFinished, 1);
    // Cancelled: no document, no message; a merge stops; a save leaves the file.
    CStoppingProgress stop(1);
    ECommandResult result = ECommandResult::done;
    EXPECT_FALSE(CFileCommands(prompt, nullptr, &stop).Open(dir.Path("big.ckb"), &result));
    EXPECT_EQ(result, ECommandResult::cancelled);
    EXPECT_TRUE(prompt.m_asked.empty());
    CCairnbookDoc doc(prompt);
    doc.SetProgress(&stop);
    stop.m_steps.clear();
    EXPECT_EQ(CFileCommands(prompt, nullptr, &stop).MergePath(doc, dir.Path("big.ckb")),
              ECommandResult::cancelled);
    stop.m_steps.clear();
    big.SetProgress(&stop);
    big.m_WayList.front()->m_strComment = "changed";
    EXPECT_EQ(CFileCommands(prompt, nullptr).Save(big, dir.Path("big.ckb")),
              ECommandResult::cancelled);
    EXPECT_TRUE(stop.m_bSaving);
    EXPECT_EQ(ReadBytes(dir.Path("big.ckb")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")), {}), 1);
    EXPECT_TRUE(prompt.m_asked.empty());
}
