// SPDX-License-Identifier: GPL-3.0-or-later
// File > Send to Device and Receive from Device with receivers made in a
// temporary folder, and a receiver's drive mounted for real while the
// program runs.
#include "appfixture.h"
#include "cachestatus.h"
#include "devicewatch.h"
#include "listface.h"
#include "waitfor.h"
#include "xlistctrl.h"

#include <QMessageBox>
#include <QUndoStack>

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string kCaches = std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx";

void MakeReceiver(const std::string& root, const char* model) {
    fs::create_directories(root + "/Garmin/GPX");
    if (model)
        WriteBytes(root + "/Garmin/GarminDevice.xml", std::string("<Device><Model><Description>") +
                                                          model +
                                                          "</Description></Model></Device>");
}

// The menu's entries as it shows them when it opens.
QStringList Entries(QMenu* menu) {
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? "-" : a->text() + (a->isEnabled() ? "" : " (disabled)"));
    return texts;
}

QAction* Entry(QMenu* menu, const QString& text) {
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

// Pictures for a person to look at, where CAIRNBOOK_SHOTS names a folder.
void Shot(QWidget& widget, const char* name) {
    if (const char* folder = std::getenv("CAIRNBOOK_SHOTS"))
        widget.grab().save(QString("%1/%2.png").arg(folder, name));
}

class Receivers : public App {
protected:
    void SetUp() override {
        App::SetUp();
        MakeReceiver(dir.Path("etrex"), "eTrex 32x");
        MakeReceiver(dir.Path("card"), nullptr);
        setenv("CAIRNBOOK_DEVICE_ROOTS", (dir.Path("etrex") + ":" + dir.Path("card")).c_str(), 1);
        frame.Devices().Rescan();
    }
    void TearDown() override {
        unsetenv("CAIRNBOOK_DEVICE_ROOTS");
        App::TearDown();
    }
    QMenu* Send() { return SubMenu(frame.menuBar(), {"&File", "Sen&d to Device"}); }
    QMenu* Receive() { return SubMenu(frame.menuBar(), {"&File", "Rece&ive from Device"}); }
    std::string Sent(const char* name) { return dir.Path(std::string("etrex/Garmin/GPX/") + name); }
};

} // namespace

TEST_F(Receivers, SendListsTheReceiversAndAsksBeforeReplacing) {
    Open(kCaches);
    ASSERT_TRUE(Send());
    EXPECT_EQ(Entries(Send()), QStringList({"eTrex 32x (internal memory)", "eTrex 32x (card)", "-",
                                            "Choose Folder..."}));
    Entry(Send(), "eTrex 32x (internal memory)")->trigger();
    ASSERT_FALSE(prompt.m_asked.empty());
    const std::string sent = prompt.m_asked.back().m_strText;
    EXPECT_EQ(sent, "Sent 9 waypoints (9 caches) to eTrex 32x");
    // Again: No keeps both, Yes replaces, Cancel sends nothing.
    for (const auto& [answer, file] :
         {std::pair{EPromptAnswer::no, "caches-2.gpx"}, {EPromptAnswer::yes, "caches.gpx"}}) {
        WriteBytes(Sent("caches.gpx"), "old");
        prompt.m_answers = {answer};
        Entry(Send(), "eTrex 32x (internal memory)")->trigger();
        EXPECT_NE(prompt.m_asked.end()[-2].m_strText.find("caches.gpx is already on eTrex 32x"),
                  std::string::npos);
        EXPECT_NE(ReadBytes(Sent(file)).find("GC1M2QK"), std::string::npos) << file;
    }
    EXPECT_EQ(ReadBytes(Sent("caches-2.gpx")).find("old"), std::string::npos);
    // Selected rows, with nothing else.
    CCairnbookView* view = frame.ActiveView();
    view->ListFace().List().clearSelection();
    view->ListFace().List().SetItemSelected(0, true);
    Entry(Send(), "eTrex 32x (card)")->trigger();
    EXPECT_EQ(prompt.m_asked.back().m_strText, "Sent 1 waypoint (1 cache) to eTrex 32x");
    EXPECT_TRUE(fs::exists(dir.Path("card/Garmin/GPX/caches.gpx")));
    // A folder of the user's choosing.
    chooser.m_next = CChosenFile{dir.Path("elsewhere"), 1};
    fs::create_directories(dir.Path("elsewhere"));
    Entry(Send(), "Choose Folder...")->trigger();
    EXPECT_TRUE(fs::exists(dir.Path("elsewhere/caches.gpx")));
    // Pictures of the menu and of the message.
    Send()->popup(QPoint(100, 100));
    Shot(*Send(), "send-menu");
    Send()->hide();
    Shot(frame, "window");
    QMessageBox box(QMessageBox::Information, "Cairnbook", QString::fromStdString(sent),
                    QMessageBox::Ok);
    box.show();
    Shot(box, "sent-message");
}

TEST_F(Receivers, NoReceiverLeavesChooseFolder) {
    unsetenv("CAIRNBOOK_DEVICE_ROOTS");
    frame.Devices().Rescan();
    Open(kCaches);
    const QStringList entries = Entries(Send());
    // Mounted drives of the machine running the test are left out of the check.
    if (!frame.Devices().Receivers().empty())
        GTEST_SKIP() << "this machine has a receiver plugged in";
    EXPECT_EQ(entries.front(), "No receiver found (disabled)");
    EXPECT_EQ(entries.back(), "Choose Folder...");
}

TEST_F(Receivers, ReceiveReadsTheWaypointsAndMarksVisitedCachesFoundInOneStep) {
    fs::copy_file(kCaches, Sent("current.gpx"));
    WriteBytes(
        dir.Path("etrex/Garmin/geocache_visits.txt"),
        "GC1M2QK,2024-06-01T10:00Z,Found it,\"nice\"\nGCZZZZ,2024-06-02T10:00Z,Found it,\"\"\n");
    CChildFrame* child = Open(kSample); // holds GC1M2QK, not found
    ASSERT_TRUE(child);
    CDocRecord* rec = frame.DocManager().ActiveRecord();
    prompt.m_answers = {EPromptAnswer::ok, EPromptAnswer::no}; // the visits; a new document
    Entry(Receive(), "eTrex 32x (internal memory)")->trigger();
    ASSERT_GE(prompt.m_asked.size(), 2u);
    EXPECT_EQ(prompt.m_asked[0].m_strText.rfind("1 cache of this document is now marked found.", 0),
              0u);
    EXPECT_NE(prompt.m_asked[0].m_strText.find("GCZZZZ  2024-06-02  Found it"), std::string::npos);
    EXPECT_EQ(rec->m_pUndo->undoText(), "Mark 1 Cache Found");
    EXPECT_TRUE(CacheStateOf(*rec->m_pDoc->FindByName("GC1M2QK")).m_bFound);
    rec->m_pUndo->undo();
    EXPECT_FALSE(CacheStateOf(*rec->m_pDoc->FindByName("GC1M2QK")).m_bFound);
    // The receiver's waypoints came as a new, untitled document.
    CDocRecord* received = frame.DocManager().ActiveRecord();
    ASSERT_NE(received, rec);
    EXPECT_EQ(received->m_pDoc->Entries().size(), 9u);
    EXPECT_TRUE(received->m_pDoc->GetPathName().empty());
}

// A tmpfs with a receiver's files, mounted while the program runs, in a mount
// namespace of this test's own.
TEST(DeviceMount, TheMenuFollowsMountsAsTheyHappen) {
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "mounting is not allowed here (" << std::strerror(errno)
                     << "); run as root with CAP_SYS_ADMIN to try it";
    CTempDir dir;
    const std::string point = dir.Path("GARMIN");
    fs::create_directories(point);
    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    CMainFrame frame(prompt, chooser);
    frame.show();
    frame.DocManager().OpenDocumentFile(QString::fromStdString(kCaches));
    auto listed = [&] {
        for (const CReceiver& r : frame.Devices().Receivers())
            if (r.m_strRoot == point)
                return true;
        return false;
    };
    ASSERT_FALSE(listed());
    ASSERT_EQ(mount("cairnbook-test", point.c_str(), "tmpfs", 0, "size=1m"), 0)
        << std::strerror(errno);
    MakeReceiver(point, "eTrex 22x");
    // A drive comes with its files: the remount tells the watch again.
    ASSERT_EQ(mount("cairnbook-test", point.c_str(), "tmpfs", MS_REMOUNT, "size=2m"), 0);
    EXPECT_TRUE(WaitFor(listed, 5000));
    QMenu* send = SubMenu(frame.menuBar(), {"&File", "Sen&d to Device"});
    EXPECT_TRUE(Entry(send, "eTrex 22x (internal memory)"));
    ASSERT_EQ(umount(point.c_str()), 0);
    EXPECT_TRUE(WaitFor([&] { return !listed(); }, 5000));
    EXPECT_FALSE(Entry(send, "eTrex 22x (internal memory)"));
    frame.DocManager().Records().front()->m_pDoc->SetModifiedFlag(false);
}
