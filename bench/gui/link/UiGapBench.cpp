// Uploads (and a download) through the desktop program's actions against zt46-radio paced at 9600 baud,
// and measures the gaps between turns of the user-interface event loop while each run is on. The
// progress dialog must never freeze the window: the target is a largest gap of at most 50 ms.
//
// Usage: gui_transfer_bench [RUNS]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/util/UserPrompts.h"
#include "gui/app/Application.h"
#include "gui/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/link/TransferController.h"
#include "gui/link/TransferProgressDialog.h"
#include "support/RadioProcess.h"

namespace {

using namespace zt46;

struct Gaps {
    double largestMs = 0;
    double meanMs = 0;
    long turns = 0;
    double runMs = 0;
    double atMs = 0;    // when the largest gap began, from the start of the run
    double firstMs = 0; // the first turn: the dialog shown
};

// A 1 ms precise timer fires on the first pass of the event loop after each millisecond: the time
// between two firings is how long the loop was away (a 0 ms timer would spin and take a core from the
// run it measures). Measured from the gauge's opening to its closing.
Gaps Measure(Application& app, int command) {
    QElapsedTimer clock;
    std::vector<qint64> stamps;
    QTimer turn;
    turn.setInterval(1);
    turn.setTimerType(Qt::PreciseTimer);
    QObject::connect(&turn, &QTimer::timeout, [&] { stamps.push_back(clock.nsecsElapsed()); });
    TransferController* transfers = app.Frame()->Transfers();
    qint64 end = 0;
    const auto started =
        QObject::connect(transfers, &TransferController::RunStarted, [&](TransferProgressDialog* gauge) {
            clock.start();
            turn.start();
            QObject::connect(gauge, &QDialog::finished, [&] {
                turn.stop();
                end = clock.nsecsElapsed();
            });
        });
    app.Frame()->Action(command)->trigger();
    turn.stop();
    QObject::disconnect(started);
    Gaps gaps;
    gaps.runMs = static_cast<double>(end) / 1e6;
    gaps.turns = static_cast<long>(stamps.size());
    qint64 largest = 0; // the first turn (the gauge being shown) is reported on its own
    qint64 at = 0;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        if (stamps[i] - stamps[i - 1] > largest) {
            largest = stamps[i] - stamps[i - 1];
            at = stamps[i - 1];
        }
    }
    gaps.atMs = static_cast<double>(at) / 1e6;
    gaps.firstMs = stamps.empty() ? 0 : static_cast<double>(stamps.front()) / 1e6;
    gaps.largestMs = static_cast<double>(largest) / 1e6;
    gaps.meanMs = gaps.turns > 0 ? gaps.runMs / static_cast<double>(gaps.turns) : 0;
    return gaps;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;

    zt46::test::RadioProcess radio({"--baud", "9600"});
    zt46::test::TempDir dir;
    {
        QSettings ini(QString::fromStdString(dir.File("ZT46Win.ini")), QSettings::IniFormat);
        ini.setValue("Initialize/PORT_TYPE", 0);
        ini.setValue("Initialize/PORT_DEVICE", QString::fromStdString(radio.Device()));
    }
    const QString folder = QString::fromStdString(dir.Path().string());
    Application app(folder, folder);
    app.SetPasswordCheck([](Privilege) { return Privilege::Normal; });
    // The completion messages are answered at once, as a user would click them away.
    app.Prompts().SetScript(
        [](const Prompt& p) { return p.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes; });
    if (!app.Start({})) return 1;

    std::printf("%-10s %4s %10s %16s %10s %14s %8s %14s\n", "run", "#", "time ms", "largest gap ms", "at ms",
                "mean gap ms", "turns", "first turn ms");
    double worst = 0;
    double opening = 0;
    const auto report = [&](const char* name, int n, const Gaps& g) {
        std::printf("%-10s %4d %10.0f %16.2f %10.0f %14.3f %8ld %14.2f\n", name, n, g.runMs, g.largestMs,
                    g.atMs, g.meanMs, g.turns, g.firstMs);
        worst = std::max(worst, g.largestMs);
        opening = std::max(opening, g.firstMs);
    };
    for (int i = 1; i <= runs; ++i)
        report("upload", i, Measure(app, cmd::kUpload));
    report("download", 1, Measure(app, cmd::kDownload));
    std::printf(
        "largest gap while a run is on %.2f ms (target <= 50 ms): %s; the gauge's first showing %.2f ms\n",
        worst, worst <= 50.0 ? "met" : "NOT met", opening);
    return 0;
}
