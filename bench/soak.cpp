// Opens and closes each simulator through the menu, as a pupil does all
// morning, and reports how much resident memory each cycle leaves behind
// once Qt's caches are full (after a warm-up).
//   ondarell_soak [CYCLES [BUTTON]]   (default 1000 per simulator; headless)
#include <malloc.h>
#include <QApplication>
#include <QPixmapCache>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <string>

#include "pupil.h"
#include "runtime/runtime.h"
#include "runtime/startup.h"
#include "shell/program.h"
#include "shell/simulators.h"

namespace {

// Resident memory once the allocator has handed back what it keeps free.
long residentKiB()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    rt::Application app(argc, argv);
    rt::prepareApplication(app);
    const int cycles = argc > 1 ? std::stoi(argv[1]) : 1000;
    const int warmUp = 200;
    // ONDARELL_SOAK_PIXMAP_CACHE=KiB turns Qt's pixmap cache back on, which
    // the program keeps off (see rt::prepareApplication), to compare.
    if (qEnvironmentVariableIsSet("ONDARELL_SOAK_PIXMAP_CACHE"))
        QPixmapCache::setCacheLimit(qEnvironmentVariableIntValue("ONDARELL_SOAK_PIXMAP_CACHE"));
    // Nothing measured here is a pupil's: ending never asks to save it.
    shell::Program program({.askBeforeEnding = false});
    program.start();
    std::printf("%-16s %8s %10s %10s %14s\n", "simulator", "cycles", "start KiB", "end KiB", "KiB per cycle");
    for (const shell::Simulator& s : shell::simulators()) {
        if (argc > 2 && QString::fromUtf8(argv[2]) != QString::fromUtf8(s.button.name)) continue;
        const auto cycle = [&] {
            pupil::click(*program.menu.window(), s.button.name);
            rt::Form* form = program.session().loadedWindows().at(0);
            form->grab();  // painted once, as the pupil sees it
            pupil::click(*form, "cmdSortir");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        for (int i = 0; i < warmUp; ++i) cycle();
        const long start = residentKiB();
        for (int i = 0; i < cycles; ++i) cycle();
        const long end = residentKiB();
        std::printf("%-16s %8d %10ld %10ld %14.2f\n", s.button.name, cycles, start, end, double(end - start) / cycles);
    }
    return 0;
}
