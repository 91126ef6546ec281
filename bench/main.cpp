#include <benchmark/benchmark.h>
#include <QApplication>

#include "runtime/startup.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    rt::Application app(argc, argv);
    rt::prepareApplication(app);
    // Each benchmark builds its own session (kSession in forms_bench.cpp).
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
