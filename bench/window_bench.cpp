// The window: the compute button from click to every widget repainted, and a
// whole process from its start to the main window shown (the splash pause
// left out), with its peak memory. Run on the offscreen platform.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <chrono>
#include <cstring>
#include <iostream>
#include <string_view>

#include "application_setup.h"
#include "clock.h"
#include "application_window.h"
#include "main_window.h"
#include "message_box.h"
#include "place_chooser.h"

extern char** environ;

namespace {

constexpr std::string_view startUpChild = "--start-up-once";

class SilentMessages : public zenlith::MessageBox {
public:
    void show(std::string_view, std::string_view) override {}
};

// The whole program's window on a settings file of its own, started from a
// fixed clock and shown.
struct ShownApplication {
    explicit ShownApplication(const char* date, const char* time) {
        app.startUp(zenlith::FixedClock(date, time), std::chrono::milliseconds(0));
        app.show();
    }
    SilentMessages messages;
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("zenlith.ini")), QSettings::IniFormat};
    zenlith::ApplicationWindow app{messages, settings};
};

// The click's handler alone (state.range(0) == 0), and with the whole window
// repainted afterwards (1), as the user sees it.
void ComputeButton(benchmark::State& state) {
    SilentMessages messages;
    zenlith::MainWindow window(messages);
    window.startUp(zenlith::FixedClock("21/06/2024", "23:30:00"), std::chrono::milliseconds(0));
    window.show();
    QCoreApplication::processEvents();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    const bool repaint = state.range(0) != 0;
    for (auto _ : state) {
        button->click();
        if (repaint) {
            window.repaint();
        }
    }
}
BENCHMARK(ComputeButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One time step from its key to the window repainted: the fields through
// their handlers, the box by the clock rules, the computation, the paint; in
// the day view (0) and in the night view (1), whose every paint is turned red.
void TimeStepKeyToWindowRepainted(benchmark::State& state) {
    ShownApplication shown("21/06/2024", "23:30:00");
    zenlith::ApplicationWindow& app = shown.app;
    app.setNightView(state.range(0) != 0);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&app, Qt::Key_Right, Qt::AltModifier);
        app.repaint();
    }
}
BENCHMARK(TimeStepKeyToWindowRepainted)->Arg(0)->Arg(1)->ArgName("night")->Unit(benchmark::kMicrosecond);

// One step of play with the sky map open at 1600×1000 in its first view: the step,
// the form and the map repainted. Play holds at ten steps a second while this
// stays under 100 ms.
void PlayStepWithSkyMapOpen(benchmark::State& state) {
    ShownApplication shown("07/12/2026", "22:00:00");
    zenlith::ApplicationWindow& app = shown.app;
    app.window().computeSky();
    QWidget* map = app.views().open(zenlith::skyMapWindowName);
    map->resize(1600, 1000);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        app.window().step(zenlith::StepUnit::minute, 1);
        app.repaint();
        map->repaint();
    }
}
BENCHMARK(PlayStepWithSkyMapOpen)->Unit(benchmark::kMillisecond);

// One key typed into the place field, from the key to the suggestions
// listed: a search over every place, in Hebrew (0) or in English (1). The
// text grows a letter at a time and starts again, as a person types.
void PlaceFieldKeyToSuggestions(benchmark::State& state) {
    ShownApplication shown("21/06/2024", "23:30:00");
    zenlith::ApplicationWindow& app = shown.app;
    auto* field = app.findChild<QLineEdit*>(QStringLiteral("placeField"));
    const QString word = state.range(0) == 0 ? QStringLiteral("ירושלים") : QStringLiteral("new york");
    field->setFocus();
    qsizetype typed = 0;
    for (auto _ : state) {
        if (typed == word.size()) {
            field->clear();
            typed = 0;
        }
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, word.mid(typed++, 1));
        QApplication::sendEvent(field, &key);
    }
}
BENCHMARK(PlaceFieldKeyToSuggestions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A new place from its choice to the form, its chart and the day's events
// window recomputed and repainted: Jerusalem and Eilat in turn.
void PlaceChangeToWindowsRepainted(benchmark::State& state) {
    ShownApplication shown("21/06/2024", "23:30:00");
    zenlith::ApplicationWindow& app = shown.app;
    app.window().computeSky();
    QWidget* events = app.views().open(zenlith::eventsWindowName);
    const std::array<zenlith::Place, 2> places{zenlith::Place{"ירושלים", 31.76904, 35.21633, 786, "Asia/Jerusalem"},
                                               zenlith::Place{"אילת", 29.55805, 34.94821, 12, "Asia/Jerusalem"}};
    std::size_t next = 0;
    for (auto _ : state) {
        app.places().choose(places[next++ % places.size()]);
        app.repaint();
        events->repaint();
    }
}
BENCHMARK(PlaceChangeToWindowsRepainted)->Unit(benchmark::kMicrosecond);

// Spawns this program in its start-up mode and waits for it: the time is
// that of a whole process, from its start to its window shown.
void ProcessStartToWindowShown(benchmark::State& state) {
    char self[] = "/proc/self/exe";
    std::string flag(startUpChild);
    char* arguments[] = {self, flag.data(), nullptr};
    long peakKilobytes = 0;
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, self, nullptr, nullptr, arguments, environ) != 0) {
            state.SkipWithError("cannot start the window process");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the window process failed");
            return;
        }
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    state.counters["peak_resident_MB"] = static_cast<double>(peakKilobytes) / 1024;
}
BENCHMARK(ProcessStartToWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the program does before it waits for the user, minus the pause.
int startUpOnce(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zenlith::prepareApplication(application);
    SilentMessages messages;
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("zenlith.ini")), QSettings::IniFormat);
    zenlith::ApplicationWindow window(messages, settings);
    window.startUp(zenlith::SystemClock(), std::chrono::milliseconds(0));
    window.show();
    window.repaint();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && argv[1] == startUpChild) {
        return startUpOnce(argc, argv);
    }
    QApplication application(argc, argv);
    zenlith::prepareApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
