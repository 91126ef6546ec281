// The seeded monkey, headless:
//   ondarell_monkey [--events N] [--seed S] [--simulator ROW] [--trace]
// sends N events (2000 by default) aimed at each simulator in turn (or at
// the one of row ROW of the simulators' table) and prints the figures; at
// the first fault it prints the fault, the last events and the command that
// replays them, and fails. A run that makes no progress for two minutes is
// a hang: it fails too.
#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "monkey.h"
#include "runtime/runtime.h"
#include "runtime/startup.h"
#include "shell/simulators.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ONDARELL_TEST_SCREENS);
    long events = 2000;
    std::uint64_t seed = 1;
    int only = -1;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--events" && more)
            events = std::stol(argv[++i]);
        else if (a == "--seed" && more)
            seed = std::stoull(argv[++i]);
        else if (a == "--simulator" && more)
            only = std::stoi(argv[++i]);
        else if (a == "--trace")
            trace = true;
        else {
            std::fprintf(stderr, "usage: %s [--events N] [--seed S] [--simulator ROW] [--trace]\n", argv[0]);
            return 2;
        }
    }
    rt::Application app(argc, argv);
    rt::prepareApplication(app);

    std::printf("%-24s %8s %9s %10s %10s %7s %7s %8s %8s %9s\n", "simulator", "events", "animated", "characters",
                "accessible", "closes", "opened", "programs", "seconds", "events/s");
    const auto rows = shell::simulators();
    for (size_t row = 0; row < rows.size(); ++row) {
        if (only >= 0 && size_t(only) != row) continue;
        monkey::Monkey monkey(seed, row, trace);
        std::atomic<bool> done{false};
        std::thread watchdog([&] {
            long last = -1;
            auto since = std::chrono::steady_clock::now();
            while (!done) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const long now = monkey.progress();
                if (now != last) {
                    last = now;
                    since = std::chrono::steady_clock::now();
                } else if (std::chrono::steady_clock::now() - since > std::chrono::minutes(2)) {
                    std::fprintf(stderr,
                                 "HANG: no event done for two minutes after event %ld (seed %llu, "
                                 "simulator %zu); replay with --trace\n",
                                 now + 1, static_cast<unsigned long long>(seed), row);
                    std::abort();
                }
            }
        });
        const auto start = std::chrono::steady_clock::now();
        const QString fault = monkey.run(events);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        done = true;
        watchdog.join();
        const monkey::Figures& f = monkey.figures();
        std::printf("%-24s %8ld %9ld %10ld %10ld %7ld %7ld %8ld %8.1f %9.1f\n", rows[row].button.name, f.events,
                    f.duringAnimations, f.characters, f.accessible, f.closes, f.opened, f.programs, seconds,
                    f.events / seconds);
        std::fflush(stdout);
        if (!fault.isEmpty()) {
            std::fprintf(stderr, "FAULT at event %ld: %s\nthe last events:\n", f.events + 1,
                         fault.toUtf8().constData());
            for (const std::string& e : monkey.recent()) std::fprintf(stderr, "  %s\n", e.c_str());
            std::fprintf(stderr, "replay: %s --seed %llu --simulator %zu --events %ld --trace\n", argv[0],
                         static_cast<unsigned long long>(seed), row, f.events + 1);
            return 1;
        }
    }
    return 0;
}
