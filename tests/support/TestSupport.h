#pragma once
// The doubles every suite shares: prompts that record ids and answer from a script, file dialogs that
// answer from a script, a temporary folder, clone files, and a document over all of them.

#include <algorithm>
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
        shown.push_back(prompt);
        if (answers.empty()) return prompt.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }

    std::vector<int> ids;
    std::vector<std::string> texts;
    std::vector<Prompt> shown;  // whole, with their buttons
    std::deque<Answer> answers; // consumed in order; Ok/Yes when empty
    int beeps = 0;
};

class ScriptedDialogs : public FileDialogs {
public:
    std::optional<std::string> AskOpenPath() override { return Next(); }
    std::optional<std::string> AskSavePath(const std::string&) override { return Next(); }
    std::deque<std::optional<std::string>> paths; // nullopt = Cancel; Cancel when empty

private:
    std::optional<std::string> Next() {
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

std::string WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
std::string ReadText(const std::string& path);
// A clone file of the image with the trailer; returns the path.
std::string WriteClone(const std::string& path, const CloneImage& image, const ImageTrailer& trailer = {});
// The image of a clone file (throws when the file is short).
CloneImage ReadImage(const std::string& path);
// An image of pseudo-random bytes (fixed seed) with the factory image's hardware option bits.
CloneImage PatternImage(unsigned seed);

// A split AM channel (MR 1) and VFO A at 110 MHz transmitting on 140 MHz, with both expansions and the
// weather band on: switching the TX expansion off must re-fit both transmit frequencies.
CloneImage SplitExpandedImage();

// The 14-byte record of a channel index in an image, and a way to set it byte by byte.
inline std::uint8_t* Record(CloneImage& image, int index) {
    return &image[ChannelRecordOffset(index)];
}
inline void SetRecord(CloneImage& image, int index, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), Record(image, index));
}

// A document over recording prompts and scripted dialogs, with both folders in a temporary folder.
struct DocFixture {
    TempDir dir;
    RecordingPrompts prompts;
    ScriptedDialogs dialogs;
    Document doc{prompts, dialogs, Document::Folders{dir.File("work"), dir.File("program")}};
    DocFixture();
    explicit DocFixture(const CloneImage& image) : DocFixture() { Load(image); }
    // The image as the main window hands it to a dialog: decoded, written back, not modified.
    void Load(const CloneImage& image);
};

} // namespace zt46::test
