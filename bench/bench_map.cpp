// One paint of the map face with 100,000 waypoints in the document, offscreen.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "cellfont.h"
#include "prompt.h"
#include "res/resource.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

class CQuietPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string&, const std::string&, EPromptButtons,
                      EPromptIcon) override {
        return EPromptAnswer::no;
    }
};

void BM_MapPaint100k(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> lat(47.0, 47.6), lon(-122.5, -121.5);
    for (int i = 0; i < 100'000; ++i) {
        auto e =
            std::make_unique<CWayEntry>("W" + std::to_string(i), "", lat(rng), lon(rng), 0, 0, 1);
        e->m_nIcon = static_cast<std::uint8_t>(i % 50);
        doc.m_WayList.push_back(std::move(e));
    }
    CCairnbookView view(doc);
    view.resize(1000, 700);
    view.OnInitialUpdate();
    view.OnCommand(res::ID_VIEW_MAP);
    view.m_nScale = static_cast<int>(state.range(0));
    view.m_dCenterLat = 47.3;
    view.m_dCenterLon = -122.0;
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
// Level 16 fits the waypoints in the view; level 13 crowds them into a few hundred pixels.
BENCHMARK(BM_MapPaint100k)->Arg(16)->Arg(13)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyProgramFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
