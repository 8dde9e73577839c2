#pragma once
// Shared test doubles: prompts that record ids and answer from a script, file dialogs that answer from
// a script, and a temporary folder.

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/document/Document.h"
#include "core/util/UserPrompts.h"

namespace zt46::test {

class RecordingPrompts : public UserPrompts {
public:
    Answer Show(const Prompt& prompt) override {
        ids.push_back(prompt.id);
        texts.push_back(prompt.text);
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return prompt.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    void Beep() override { ++beeps; }

    std::vector<int> ids;
    std::vector<std::string> texts;
    std::deque<Answer> answers; // consumed in order; Ok/Yes when empty
    int beeps = 0;
};

class ScriptedDialogs : public FileDialogs {
public:
    std::optional<std::string> AskOpenPath() override { return Next(); }
    std::optional<std::string> AskSavePath(const std::string&) override { return Next(); }
    std::deque<std::optional<std::string>> paths; // nullopt = Cancel; Cancel when empty
    int asked = 0;

private:
    std::optional<std::string> Next() {
        ++asked;
        if (paths.empty()) return std::nullopt;
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
};

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Writes bytes to a file; returns the path.
std::string WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
// A clone file of the given image with a recognisable trailer.
std::string WriteClone(const std::string& path, const CloneImage& image, const ImageTrailer& trailer = {});

// The 14-byte record of a channel index in an image, and a way to set it byte by byte.
std::uint8_t* Record(CloneImage& image, int index);
void SetRecord(CloneImage& image, int index, std::initializer_list<std::uint8_t> bytes);

// A document over recording prompts and scripted dialogs, with both folders in a temporary folder.
struct DocFixture {
    TempDir dir;
    RecordingPrompts prompts;
    ScriptedDialogs dialogs;
    Document doc{prompts, dialogs, Document::Folders{dir.File("work"), dir.File("program")}};
    DocFixture();
};

} // namespace zt46::test
