#pragma once
// A document over the factory image in a temporary folder, with prompts that record what was asked and
// answer from a script, for the widget tests.

#include <QList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>

#include "core/document/Document.h"
#include "core/editor/CellEdit.h"
#include "gui/app/AppState.h"
#include "gui/app/GuiPrompts.h"

namespace zt46::gui_test {

// File dialogs that answer from a list (Cancel when it is empty).
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskOpenPath() override { return Next(); }
    std::optional<std::string> AskSavePath(const std::string&) override { return Next(); }
    std::deque<std::optional<std::string>> paths;

private:
    std::optional<std::string> Next() {
        if (paths.empty()) return std::nullopt;
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
};

// Prompts that never show a box: they record the ids and answer from a list (Yes or OK when empty).
struct RecordingPrompts {
    GuiPrompts prompts;
    QList<int> ids;
    std::deque<Answer> answers;
    RecordingPrompts() {
        prompts.SetScript([this](const Prompt& p) {
            ids << p.id;
            if (answers.empty()) return p.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
};

// A step picker that answers from its member.
class FixedPicker : public StepPicker {
public:
    std::optional<int> PickStep(int column, int) override {
        ++asked;
        lastColumn = column;
        return answer;
    }
    std::optional<int> answer;
    int asked = 0;
    int lastColumn = -1;
};

struct DocumentFixture {
    QTemporaryDir dir;
    RecordingPrompts recorder;
    ScriptedFileDialogs dialogs;
    AppState state;
    std::unique_ptr<Document> doc;

    DocumentFixture() {
        doc = std::make_unique<Document>(
            recorder.prompts, dialogs, Document::Folders{dir.path().toStdString(), dir.path().toStdString()});
        doc->LoadImage();
        // MR 1..10 in use, the rest as the factory left them.
        for (int i = 0; i < 10; ++i)
            doc->Channels().Entry(i).Masked = 0;
    }
    GuiPrompts& Prompts() { return recorder.prompts; }
    ChannelEntry& Entry(int index) { return doc->Channels().Entry(index); }
};

} // namespace zt46::gui_test
