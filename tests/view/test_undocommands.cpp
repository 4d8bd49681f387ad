// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "clipboardtext.h"
#include "test_helpers.h"
#include "textcodec.h"
#include "undocommands.h"

#include <QUndoStack>
#include <gtest/gtest.h>

#include <map>
#include <type_traits>

namespace {

// One incoming waypoint of each kind: new, the same new name again with
// other data, an existing one unchanged, and an existing one changed twice.
struct CKind {
    char m_cCode;
    const char* m_name;
    const char* m_comment;
};
constexpr CKind kKinds[] = {{'n', "NEW1", "a"},
                            {'m', "NEW1", "b"},
                            {'s', "HOME", "home"},
                            {'c', "HOME", "c1"},
                            {'d', "HOME", "c2"}};

std::vector<std::string> Sequences() {
    std::vector<std::string> all{""};
    std::vector<std::string> out;
    for (int length = 1; length <= 3; ++length) {
        std::vector<std::string> longer;
        for (const std::string& s : all)
            for (const CKind& k : kKinds)
                longer.push_back(s + k.m_cCode);
        all = longer;
        out.insert(out.end(), all.begin(), all.end());
    }
    return out;
}

const CKind& Kind(char code) {
    for (const CKind& k : kKinds)
        if (k.m_cCode == code)
            return k;
    throw std::logic_error("kind");
}

// Names whose waypoint differs after the change, or is new.
std::size_t ChangedNames(const CCairnbookDoc& before, const CCairnbookDoc& after) {
    std::size_t n = 0;
    for (const auto& e : after.Entries()) {
        const CWayEntry* old = before.FindByName(e->m_strName);
        n += !old || !SameFields(*old, *e);
    }
    return n;
}

class UndoSteps : public ::testing::Test {
protected:
    void Fill(CCairnbookDoc& doc) {
        doc.AddEntry(std::make_unique<CWayEntry>("HOME", "home", 47.5, -122.25, 50, 0, 1));
        doc.AddEntry(std::make_unique<CWayEntry>("OTHER", "", 47.6, -122.3, 10, 0, 1));
    }
    // Runs change under a recorder and checks that the step it makes is named
    // for what changed, and that undo and redo give exactly each state.
    void Check(const std::string& what, const QString& verb,
               const std::function<void(CCairnbookDoc&)>& change, bool yes) {
        CScriptedPrompt prompt;
        CCairnbookDoc doc(prompt), original(prompt);
        Fill(doc);
        Fill(original);
        prompt.m_answers.assign(8, yes ? EPromptAnswer::yes : EPromptAnswer::no);
        const std::string before = StateBytes(doc);
        CAddRecorder recorder(doc);
        change(doc);
        std::unique_ptr<CDocCommand> step = recorder.Finish(verb);
        const std::string after = StateBytes(doc);
        const std::size_t changed = ChangedNames(original, doc);
        const std::string label = what + (yes ? " yes" : " no");
        ASSERT_EQ(step != nullptr, changed > 0) << label;
        if (!step)
            return;
        EXPECT_EQ(step->text(), verb + " " + Waypoints(changed)) << label;
        QUndoStack stack;
        stack.push(step.release());
        EXPECT_EQ(StateBytes(doc), after) << label;
        for (int round = 0; round < 2; ++round) {
            stack.undo();
            ASSERT_EQ(StateBytes(doc), before) << label << " undo " << round;
            stack.redo();
            ASSERT_EQ(StateBytes(doc), after) << label << " redo " << round;
        }
    }
    CTempDir dir;
};

TEST(WayEntry, MovesItsTextsInsteadOfCopyingThem) {
    static_assert(std::is_nothrow_move_constructible_v<CWayEntry>);
    static_assert(std::is_nothrow_move_assignable_v<CWayEntry>);
    CWayEntry a("A", "", 1, 2, 3, 0, 1), b;
    a.m_strAdditionalInfo = std::string(1000, 'x');
    const char* text = a.m_strAdditionalInfo.data();
    b = std::move(a);
    EXPECT_EQ(b.m_strAdditionalInfo.data(), text);
    CWayEntry c(std::move(b));
    EXPECT_EQ(c.m_strAdditionalInfo.data(), text);
}

// Paste and merge with every mix of new, repeated, unchanged and changed
// names, answered Yes and No: one step that undoes and redoes exactly.
TEST_F(UndoSteps, PasteAndMergeOfEveryMixOfNames) {
    for (const std::string& seq : Sequences()) {
        std::string text, gpx = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
                                "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
        for (char code : seq) {
            const CKind& k = Kind(code);
            CWayEntry e(k.m_name, k.m_comment, 47.5, -122.25, 50, 0, 1);
            text += FormatClipboardLine(e);
            gpx += std::string("<wpt lat=\"47.5\" lon=\"-122.25\"><ele>50</ele><name>") + k.m_name +
                   "</name><cmt>" + k.m_comment + "</cmt><sym>Crossed Square</sym>" +
                   "<extensions><cb:waypoint xmlns:cb=\"urn:x-cairnbook:gpx:1\" icon=\"0\" "
                   "visible=\"1\" geocache=\"0\"/></extensions></wpt>\n";
        }
        gpx += "</gpx>\n";
        WriteBytes(dir.Path("in.gpx"), gpx);
        for (bool yes : {true, false}) {
            Check(
                "paste " + seq, "Paste", [&](CCairnbookDoc& d) { ParseClipboardText(d, text); },
                yes);
            Check(
                "merge " + seq, "Merge", [&](CCairnbookDoc& d) { d.MergeFile(dir.Path("in.gpx")); },
                yes);
        }
    }
}

// A merge that brought only a track is a step of its own, and its undo
// takes the track back out of what a GPX save writes.
TEST_F(UndoSteps, MergeOfATrackAloneIsUndone) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    Fill(doc);
    WriteBytes(dir.Path("trk.gpx"), "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                                    "<trkpt lat=\"1\" lon=\"2\"/></trkseg></trk></gpx>");
    const std::string before = StateBytes(doc);
    CAddRecorder recorder(doc);
    doc.MergeFile(dir.Path("trk.gpx"));
    std::unique_ptr<CDocCommand> step = recorder.Finish("Merge");
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->text(), "Merge");
    const std::string after = StateBytes(doc);
    EXPECT_NE(after.find("<trkpt lat=\"1\" lon=\"2\">"), std::string::npos);
    QUndoStack stack;
    stack.push(step.release());
    stack.undo();
    EXPECT_EQ(StateBytes(doc), before);
    stack.redo();
    EXPECT_EQ(StateBytes(doc), after);
}

// A file that holds one name twice asks at open; either answer leaves one
// waypoint of that name, and the one the answer chose.
TEST_F(UndoSteps, OpenTimeQuestionsKeepOneWaypointPerName) {
    CScriptedPrompt quiet;
    CCairnbookDoc twice(quiet);
    for (const char* comment : {"first", "second"})
        twice.InsertEntry(twice.Entries().size(),
                          std::make_unique<CWayEntry>("DUP", comment, 1, 2, 3, 0, 1));
    twice.SaveFile(dir.Path("twice.ckb"));
    for (bool yes : {true, false}) {
        CScriptedPrompt prompt;
        prompt.m_answers = {yes ? EPromptAnswer::yes : EPromptAnswer::no};
        CCairnbookDoc doc(prompt);
        doc.LoadFile(dir.Path("twice.ckb"));
        ASSERT_EQ(doc.Entries().size(), 1u);
        EXPECT_EQ(prompt.m_asked.size(), 1u);
        EXPECT_EQ(doc.Entries()[0]->m_strComment, yes ? "second" : "first");
    }
}

} // namespace
