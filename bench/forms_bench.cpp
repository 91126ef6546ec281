// What the forms cost in real time, with pacing off: opening each form, and
// the drawing-heavy handlers. The virtual clock charges each drawing call a
// fixed cost; the real cost must stay well below it, or animations run
// slower than designed. The counters give the ratio real / virtual (below 1
// is the goal).

#include <benchmark/benchmark.h>
#include <QScrollBar>
#include <QTest>

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "shell/program.h"

namespace {

class Canvas : public rt::Form {
public:
    Canvas() : Form({.name = "frmBanc", .caption = "Banc"}) {}
};

double ratio(const benchmark::State& state, std::chrono::nanoseconds virtualPerIteration, double realSeconds)
{
    const double virtualSeconds =
        std::chrono::duration<double>(virtualPerIteration).count() * static_cast<double>(state.iterations());
    return realSeconds / virtualSeconds;
}

// One level segment across the tank, as a filling draws thousands of them.
void BM_LevelSegment(benchmark::State& state)
{
    rt::FormInstance<Canvas> canvas;
    canvas.Show();
    rt::Form& form = *canvas.window();
    form.setDrawWidth(3);
    auto& runtime = rt::Runtime::instance();
    const auto start = std::chrono::steady_clock::now();
    runtime.dispatch(&form, [&] {
        float y = 0;
        for (auto _ : state) {
            form.Line(640, y, 2600, y, rt::RGB(0, 128, 0));
            y = y >= 8000 ? 0 : y + 1;
        }
    });
    const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["real/virtual"] = ratio(state, runtime.pacer().elapsed() / state.iterations(), real);
}
BENCHMARK(BM_LevelSegment);

// A short upright segment, as the Venturi filling draws hundreds of thousands.
void BM_ShortColumn(benchmark::State& state)
{
    rt::FormInstance<Canvas> canvas;
    canvas.Show();
    rt::Form& form = *canvas.window();
    auto& runtime = rt::Runtime::instance();
    const auto start = std::chrono::steady_clock::now();
    runtime.dispatch(&form, [&] {
        int x = 240, i = 1;
        for (auto _ : state) {
            form.Line(static_cast<float>(x), 3480, static_cast<float>(x), static_cast<float>(3480 + i),
                      rt::RGB(0, 0, 255));
            i = i >= 476 ? 1 : i + 5;
            if (i == 1) x = x >= 6600 ? 240 : x + 5;
        }
    });
    const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["real/virtual"] = ratio(state, runtime.pacer().elapsed() / state.iterations(), real);
}
BENCHMARK(BM_ShortColumn);

// The whole Archimedes motion: 2201 steps moving two shapes, paced to about
// two seconds of virtual time.
void BM_ArchimedesMotion(benchmark::State& state)
{
    shell::Program program;
    rt::Runtime::instance().start(program.menu);
    QTest::mouseClick(program.menu.window()->findChild<QWidget*>("cmdArquímedes"), Qt::LeftButton);
    QWidget& form = *program.arquimedes.window();
    form.findChild<QScrollBar*>("HSBDensitat")->setValue(200);
    form.findChild<QScrollBar*>("HSBAlturaLíquid")->setValue(10);
    QTest::mouseClick(form.findChild<QWidget*>("cmdOmplir"), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QWidget*>("OptTriar(2)"), Qt::LeftButton);
    QWidget* start = form.findChild<QWidget*>("cmdIniciarMoviment");
    double real = 0;
    std::chrono::nanoseconds virtualTime{0};
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        QTest::mouseClick(start, Qt::LeftButton);
        real += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        virtualTime += rt::Runtime::instance().pacer().elapsed();
    }
    state.counters["virtual_s"] =
        std::chrono::duration<double>(virtualTime).count() / static_cast<double>(state.iterations());
    state.counters["real/virtual"] = ratio(state, virtualTime / state.iterations(), real);
}
BENCHMARK(BM_ArchimedesMotion)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Opening a form from the menu: building its controls from their design and
// painting it once, as the pupil waits for it.
void BM_OpenForm(benchmark::State& state, const char* button)
{
    shell::Program program;
    rt::Runtime::instance().start(program.menu);
    for (auto _ : state) {
        QTest::mouseClick(program.menu.window()->findChild<QWidget*>(button), Qt::LeftButton);
        rt::Form* form = rt::Runtime::instance().loadedWindows().at(0);
        benchmark::DoNotOptimize(form->grab());
        QTest::mouseClick(form->findChild<QWidget*>("cmdSortir"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK_CAPTURE(BM_OpenForm, arquimedes, "cmdArquímedes")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenForm, torricelli, "cmdTorricelli")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenForm, continuitat, "cmdContinuïtat")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenForm, pascal, "cmdPascal")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenForm, venturi, "cmdVenturi")->Unit(benchmark::kMillisecond);

}  // namespace
