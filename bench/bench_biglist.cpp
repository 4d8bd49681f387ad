// SPDX-License-Identifier: GPL-3.0-or-later
// A list of 1,000,000 waypoints with every one shown: open to the first
// painted screen, one screen painted, sorting by a text and a number column,
// Find from the first waypoint to the last, and the list's own memory.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "listface.h"
#include "prompt.h"
#include "res/resource.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>

namespace {

constexpr int kWaypoints = 1'000'000;

class CQuietPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string&, const std::string&, EPromptButtons,
                      EPromptIcon) override {
        return EPromptAnswer::no;
    }
};

// Geocache-like names in no order, so sorting has work to do.
std::string Name(int i) {
    static const char digits[] = "0123456789ABCDEFGHJKMNPQRTVWXYZ";
    unsigned v = static_cast<unsigned>(i) * 2654435761u % 0x7FFFFFFF;
    std::string name = "GC";
    for (int k = 0; k < 5; ++k, v /= 31)
        name += digits[v % 31];
    return name;
}

const std::string& BigFile() {
    static QTemporaryDir dir;
    static const std::string path = dir.filePath("big.ckb").toStdString();
    static bool made = false;
    if (!made) {
        CQuietPrompt prompt;
        CCairnbookDoc doc(prompt);
        for (int i = 0; i < kWaypoints; ++i) {
            auto e = std::make_unique<CWayEntry>(Name(i) + std::to_string(i % 10),
                                                 "Cache under the old stump", 40 + (i % 997) * 1e-3,
                                                 -120 - (i % 991) * 1e-3, (i * 37) % 3000, 1, 1);
            e->m_nIcon = static_cast<std::uint8_t>(42 + i % 8);
            e->m_strAdditionalInfo = "Traditional Cache (2/1.5)";
            doc.m_WayList.push_back(std::move(e));
        }
        doc.SaveFile(path);
        made = true;
    }
    return path;
}

// A window over the big document, every waypoint shown, painted once.
struct CBigWindow {
    CBigWindow() {
        CListFace::SetShowAll(true);
        doc.LoadFile(BigFile());
        view.resize(1200, 800);
        view.OnInitialUpdate();
        view.show();
        PaintList();
    }
    ~CBigWindow() { CListFace::SetShowAll(false); }
    void PaintList() {
        QApplication::processEvents();
        view.repaint();
        view.ListFace().List().viewport()->render(&page);
    }
    CQuietPrompt prompt;
    CCairnbookDoc doc{prompt};
    CCairnbookView view{doc};
    QImage page{1200, 800, QImage::Format_ARGB32_Premultiplied};
};

void BM_OpenToFirstPaint(benchmark::State& state) {
    BigFile();
    for (auto _ : state) {
        CBigWindow window;
        state.counters["rows"] = window.view.ListFace().Rows();
    }
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PaintOneScreen(benchmark::State& state) {
    CBigWindow window;
    QScrollBar* bar = window.view.ListFace().List().verticalScrollBar();
    int top = 0;
    for (auto _ : state) {
        top = (top + 7919 * bar->pageStep()) % bar->maximum(); // a new screen each time
        bar->setValue(top);
        window.view.ListFace().List().viewport()->render(&window.page);
        benchmark::DoNotOptimize(window.page.bits());
    }
}
BENCHMARK(BM_PaintOneScreen)->Unit(benchmark::kMillisecond);

// Column 1 holds names, column 5 altitudes; ascending and descending by turns.
void BM_Sort(benchmark::State& state) {
    CBigWindow window;
    const int column = static_cast<int>(state.range(0));
    int turn = 0;
    for (auto _ : state)
        window.view.ListFace().List().SortByColumn(column, turn++ % 2);
}
BENCHMARK(BM_Sort)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(4);

// Everything selected, then sorted: the selection follows its million rows.
void BM_SelectAllThenSort(benchmark::State& state) {
    CBigWindow window;
    int turn = 0;
    for (auto _ : state) {
        window.view.ListFace().List().selectAll();
        window.view.ListFace().List().SortByColumn(5, turn++ % 2);
        if (window.view.ListFace().List().SelectedRows().size() != std::size_t(kWaypoints))
            state.SkipWithError("the selection was lost");
    }
}
BENCHMARK(BM_SelectAllThenSort)->Unit(benchmark::kMillisecond)->Iterations(2);

// One row deleted from a list of a million sorted rows and the deletion
// undone, while a second window on the document follows both changes.
void BM_DeleteAndUndoInTwoWindows(benchmark::State& state) {
    CBigWindow window;
    CCairnbookView other(window.doc);
    other.resize(1200, 800);
    other.OnInitialUpdate();
    QUndoStack stack;
    window.view.SetUndoStack(&stack);
    CXListCtrl& list = window.view.ListFace().List();
    list.SortByColumn(1, 0);
    int row = 1234;
    for (auto _ : state) {
        list.clearSelection();
        list.SetItemSelected(row, true);
        list.SetSelectionMark(row);
        window.view.OnCommand(res::ID_DELETE_WAYPOINT);
        stack.undo();
        row = (row + 7919) % kWaypoints;
    }
    if (other.ListFace().Rows() != kWaypoints || list.GetItemCount() != kWaypoints)
        state.SkipWithError("a window lost a row");
}
BENCHMARK(BM_DeleteAndUndoInTwoWindows)->Unit(benchmark::kMillisecond)->Iterations(10);

// The only hit is the last waypoint: Find goes through the whole document.
void BM_FindFirstToLast(benchmark::State& state) {
    CBigWindow window;
    window.doc.m_WayList.back()->m_strAdditionalInfo = "Needle in the haystack";
    window.view.ListFace().OpenFind();
    window.view.ListFace().FindEdit()->setText("needle");
    CXListCtrl& list = window.view.ListFace().List();
    for (auto _ : state) {
        state.PauseTiming();
        list.clearSelection();
        list.SetSelectionMark(0);
        state.ResumeTiming();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(window.view.ListFace().FindEdit(), &enter);
    }
    if (list.SelectedRows() != std::vector<int>{kWaypoints - 1})
        state.SkipWithError("the last waypoint was not found");
}
BENCHMARK(BM_FindFirstToLast)->Unit(benchmark::kMillisecond);

// A letter typed in the list that no row starts with: the list's own search
// reads that column of every row.
void BM_TypeToSelectMiss(benchmark::State& state) {
    CBigWindow window;
    CXListCtrl& list = window.view.ListFace().List();
    list.setCurrentIndex(list.model()->index(0, 1));
    for (auto _ : state) {
        list.keyboardSearch(QString()); // a new search, not the continuation of the last
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q");
        QApplication::sendEvent(&list, &key);
    }
}
BENCHMARK(BM_TypeToSelectMiss)->Unit(benchmark::kMillisecond)->Iterations(3);

// The heap the list takes beyond the document's own, per row: what the
// window holds after its first paint less what the loaded document holds.
void BM_ListMemory(benchmark::State& state) {
    BigFile();
    for (auto _ : state) {
        CQuietPrompt prompt;
        CCairnbookDoc doc(prompt);
        doc.LoadFile(BigFile());
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        CListFace::SetShowAll(true);
        {
            CCairnbookView view(doc);
            view.resize(1200, 800);
            view.OnInitialUpdate();
            view.show();
            QApplication::processEvents();
            view.repaint();
            const std::size_t after = mallinfo2().uordblks;
            state.counters["bytes_per_row"] =
                static_cast<double>(after - before) / static_cast<double>(view.ListFace().Rows());
        }
        CListFace::SetShowAll(false);
    }
}
BENCHMARK(BM_ListMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The option is remembered: keep the user's settings out of it.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
