#include <benchmark/benchmark.h>
#include <QApplication>

#include "runtime/runtime.h"
#include "runtime/startup.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    rt::Application app(argc, argv);
    rt::prepareApplication(app);
    // Nothing measured here is a pupil's: ending never asks to save it.
    rt::Runtime::instance().setAskBeforeEnding(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
