// Timings of the colour operations and of the handler chains that the timers
// and clicks run on a real main window (offscreen platform). The handler
// benchmarks with "/painted" also deliver the repaints the chain asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_design.h"

namespace {

constexpr std::int64_t kColourCount = 16777216;

// A spread of colour values, visiting every byte value of each component.
std::int64_t SpreadValue(std::int64_t i) { return (i * 2654435761LL) % kColourCount; }

void HexCodeFromColourValue(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colour::HexCodeFromColourValue(SpreadValue(++i)));
    }
}
BENCHMARK(HexCodeFromColourValue);

void ColourValueFromCode(benchmark::State& state) {
    std::array<std::string, 4096> codes;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        codes[i] = colour::HexCodeFromColourValue(SpreadValue(static_cast<std::int64_t>(i)));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colour::ColourValueFromCode(codes[i++ % codes.size()]));
    }
}
BENCHMARK(ColourValueFromCode);

// Every colour value to its code and back, as one piece of work.
void RoundTripAllColourValues(benchmark::State& state) {
    for (auto _ : state) {
        std::int64_t mismatches = 0;
        for (std::int64_t v = 0; v < kColourCount; ++v) {
            mismatches += colour::ColourValueFromCode(colour::HexCodeFromColourValue(v)) != v;
        }
        if (mismatches != 0) state.SkipWithError("a colour value did not survive the round trip");
        benchmark::DoNotOptimize(mismatches);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(RoundTripAllColourValues)->Unit(benchmark::kMillisecond);

// Creating the main window with all its controls and pictures, as at start,
// and showing it with its first paint (offscreen).
void CreateMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmFarben form;
        if (state.range(0) != 0) {
            form.show();
            QCoreApplication::sendPostedEvents();
        }
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(CreateMainWindow)->ArgName("shown")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The main window, shown, so that the writes mark controls for repainting
// as they do in the program. Made on first use, ended before the application.
std::unique_ptr<frmFarben> g_form;

frmFarben& Form() {
    if (!g_form) {
        g_form = std::make_unique<frmFarben>();
        g_form->show();
        QCoreApplication::processEvents();
    }
    return *g_form;
}

void DeliverPaints(const benchmark::State& state) {
    if (state.range(0) != 0) QCoreApplication::sendPostedEvents();
}

// Back to a known colour, with the deferred update armed and the counters standing.
void Reset(frmFarben& form) {
    form.cmdFarben_Click(8);  // stop all
    form.txtFarbe_Click(26);
    form.Timer4_Timer();
    QCoreApplication::sendPostedEvents();
}

void Timer4SteadyTick(benchmark::State& state) {
    frmFarben& form = Form();
    Reset(form);
    for (auto _ : state) {
        form.Timer4_Timer();
        DeliverPaints(state);
    }
}
BENCHMARK(Timer4SteadyTick)->ArgName("painted")->Arg(0)->Arg(1);

// A standing counter's tick, as Timer1 runs it ten times a second from the start.
void Timer1IdleTick(benchmark::State& state) {
    frmFarben& form = Form();
    Reset(form);
    for (auto _ : state) form.Timer1_Timer();
}
BENCHMARK(Timer1IdleTick);

// The tick that follows a typed component; the typing itself is not timed.
void Timer4TickAfterComponentChange(benchmark::State& state) {
    frmFarben& form = Form();
    Reset(form);
    static constexpr std::array<const char*, 2> kRed = {"17", "200"};
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.txtRGB[0]->SetText(kRed[++i % kRed.size()]);
        state.ResumeTiming();
        form.Timer4_Timer();
        DeliverPaints(state);
    }
}
BENCHMARK(Timer4TickAfterComponentChange)->ArgName("painted")->Arg(0)->Arg(1);

// A running red counter's step and the deferred update it sets off.
void CounterTickChain(benchmark::State& state) {
    frmFarben& form = Form();
    Reset(form);
    form.cmdFarben_Click(2);  // red up
    for (auto _ : state) {
        form.Timer1_Timer();
        form.Timer4_Timer();
        DeliverPaints(state);
    }
    form.cmdFarben_Click(8);
}
BENCHMARK(CounterTickChain)->ArgName("painted")->Arg(0)->Arg(1);

// A click on a chart swatch, alternating between two swatches.
void ChartClick(benchmark::State& state) {
    frmFarben& form = Form();
    Reset(form);
    static constexpr std::array<std::int16_t, 2> kSwatches = {18, 38};
    std::size_t i = 0;
    for (auto _ : state) {
        form.txtFarbe_Click(kSwatches[++i % kSwatches.size()]);
        DeliverPaints(state);
    }
}
BENCHMARK(ChartClick)->ArgName("painted")->Arg(0)->Arg(1);

// Ctrl+V of N hexadecimal digits into the code field holding N already, as
// the key filter takes them in; linear in N (the line edit keeps 32,767
// characters at most).
void PasteIntoCodeField(benchmark::State& state) {
    frmFarben& form = Form();
    tk::TextBox& code = *form.txtFarbe[design::kCodeField];
    const auto length = static_cast<qsizetype>(state.range(0));
    QGuiApplication::clipboard()->setText(QString(length, QLatin1Char('A')));
    const std::string held(static_cast<std::size_t>(length), 'B');
    for (auto _ : state) {
        state.PauseTiming();
        code.SetText("");
        code.SetText(held);
        code.end(false);
        state.ResumeTiming();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QCoreApplication::sendEvent(&code, &paste);
    }
    if (code.text().size() <= length) state.SkipWithError("nothing was pasted");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(PasteIntoCodeField)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form.reset();
    return 0;
}
