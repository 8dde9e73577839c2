// Undo and redo of a whole-channel paste in the main window: the image put back, every model decoded
// again, the grid rebuilt on the pasted channel's group and painted. Target: 5 ms a step.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

#include "core/document/Document.h"
#include "core/util/UserPrompts.h"
#include "gui/app/AppSettings.h"
#include "gui/app/AppState.h"
#include "gui/app/GuiPrompts.h"
#include "gui/app/MainWindow.h"
#include "gui/document/EditHistory.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableModel.h"
#include "gui/editor/ChannelTableView.h"

namespace {

using namespace zt46;

struct PastedWindow {
    QTemporaryDir dir;
    GuiPrompts prompts;
    NoFileDialogs dialogs;
    AppState appState;
    AppSettings settings{dir.filePath("ZT46Win.ini")};
    Document doc{prompts, dialogs, Document::Folders{dir.path().toStdString(), dir.path().toStdString()}};
    std::unique_ptr<MainWindow> window;

    PastedWindow() {
        prompts.SetScript([](const Prompt&) { return Answer::Yes; }); // "copy the channel?"
        doc.LoadImage();
        for (int i = 0; i < kMaskedChannelCount; ++i)
            doc.Channels().Entry(i).Masked = i % 3 == 0;
        window = std::make_unique<MainWindow>(doc, appState, settings, prompts);
        window->resize(835, 540);
        window->show();
        window->View()->RefreshGrid();
        QApplication::processEvents();
        // MR 3 copied onto MR 120, far down the grid.
        doc.Channels().Entry(2).SetTagText("TOWER");
        QGuiApplication::clipboard()->setText("3");
        ChannelTableView* grid = window->View()->Grid();
        grid->setCurrentIndex(window->View()->Model()->index(119, 0));
        window->View()->PasteCells();
        QApplication::processEvents();
    }
    void Step(bool undo) {
        if (undo) {
            window->History()->Undo();
        } else {
            window->History()->Redo();
        }
        window->View()->Grid()->viewport()->repaint();
    }
};

void BM_UndoChannelPaste(benchmark::State& state) {
    PastedWindow f;
    for (auto _ : state) {
        f.Step(true);
        state.PauseTiming();
        f.Step(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoChannelPaste)->Unit(benchmark::kMillisecond);

void BM_RedoChannelPaste(benchmark::State& state) {
    PastedWindow f;
    for (auto _ : state) {
        state.PauseTiming();
        f.Step(true);
        state.ResumeTiming();
        f.Step(false);
    }
}
BENCHMARK(BM_RedoChannelPaste)->Unit(benchmark::kMillisecond);

} // namespace
