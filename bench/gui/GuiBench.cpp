// zt46win's figures: process start to the first shown window, a full refresh of the MR group, the F2
// group switch, and resident memory at idle. Run offscreen unless a display is asked for.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <clocale>

#include "core/document/Document.h"
#include "gui/app/AppState.h"
#include "gui/app/GuiPrompts.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableView.h"

namespace {

using namespace zt46;

QProcessEnvironment Environment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
    // A copy of the program the user has open must not take the measured starts over.
    env.insert("ZT46_INSTANCE_KEY", QString("gui_bench-%1").arg(QCoreApplication::applicationPid()));
    return env;
}

// A working folder whose configuration reaches the radio through the interface unit, so no serial port
// is opened (and no message about one shown) at start-up.
void PrepareFolder(const QTemporaryDir& dir) {
    QSettings ini(dir.filePath("ZT46Win.ini"), QSettings::IniFormat);
    ini.setValue("Initialize/PORT_TYPE", 1);
}

// The program's own measure (process start to the window shown) and the wall time of the whole run.
void BM_StartToFirstWindow(benchmark::State& state) {
    QTemporaryDir dir;
    PrepareFolder(dir);
    double reported = 0;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        QProcess process;
        process.setWorkingDirectory(dir.path());
        QProcessEnvironment env = Environment();
        env.insert("ZT46WIN_EXIT_AFTER_SHOW", "1");
        process.setProcessEnvironment(env);
        process.start(ZT46WIN_PATH, {});
        process.waitForFinished(30000);
        state.SetIterationTime(static_cast<double>(wall.nsecsElapsed()) / 1e9);
        reported += process.readAllStandardOutput().trimmed().toDouble();
    }
    state.counters["shown_ms"] = benchmark::Counter(reported, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartToFirstWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

struct ViewFixture {
    QTemporaryDir dir;
    GuiPrompts prompts;
    NoFileDialogs dialogs;
    AppState appState;
    Document doc{prompts, dialogs, Document::Folders{dir.path().toStdString(), dir.path().toStdString()}};
    std::unique_ptr<ChannelEditorView> view;
    ViewFixture() {
        doc.LoadImage();
        for (int i = 0; i < kMaskedChannelCount; ++i)
            doc.Channels().Entry(i).Masked = i % 3 == 0;
        view = std::make_unique<ChannelEditorView>(doc, appState, prompts);
        view->resize(835, 540);
        view->show();
        QApplication::processEvents();
    }
};

// Rebuild of the grid and the header from the table, painted.
void BM_RefreshMrGroup(benchmark::State& state) {
    ViewFixture f;
    for (auto _ : state) {
        f.view->RefreshGrid();
        f.view->Grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_RefreshMrGroup)->Unit(benchmark::kMillisecond);

// F2: the next group, the grid rebuilt and painted.
void BM_F2GroupSwitch(benchmark::State& state) {
    ViewFixture f;
    for (auto _ : state) {
        f.view->NextGroup();
        f.view->Grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_F2GroupSwitch)->Unit(benchmark::kMillisecond);

double ResidentMegabytes(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The program started, left idle for two seconds, then its resident set.
void BM_ResidentMemoryAtIdle(benchmark::State& state) {
    QTemporaryDir dir;
    PrepareFolder(dir);
    double megabytes = 0;
    for (auto _ : state) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessEnvironment(Environment());
        process.start(ZT46WIN_PATH, {});
        process.waitForStarted();
        QThread::msleep(2000);
        megabytes = ResidentMegabytes(process.processId());
        process.kill();
        process.waitForFinished();
    }
    state.counters["rss_MB"] = megabytes;
}
BENCHMARK(BM_ResidentMemoryAtIdle)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
