#pragma once
// Test helpers: the simulated radio as a child process, a temporary folder, and recording prompts
// and progress.

#include <atomic>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

#include "core/image/CloneImage.h"
#include "core/util/UserPrompts.h"
#include "link/TransferContext.h"

namespace zt46::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// zt46-radio started with the given switches (and --save into its own folder).
class RadioProcess {
public:
    explicit RadioProcess(std::vector<std::string> args, const CloneImage* memory = nullptr);
    ~RadioProcess();
    const std::string& Device() const { return m_device; }
    void Signal(int signal) const;
    // Ends the radio and returns its memory as it was written at exit.
    CloneImage StopAndReadMemory();

private:
    void Stop();
    TempDir m_dir;
    pid_t m_pid = -1;
    std::string m_device;
};

class RecordingPrompts : public UserPrompts {
public:
    Answer Show(const Prompt& prompt) override {
        ids.push_back(prompt.id);
        texts.push_back(prompt.text);
        return prompt.buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    void Beep() override {}
    std::vector<int> ids;
    std::vector<std::string> texts;
    Answer answer = Answer::Yes;
};

class RecordingProgress : public ProgressSink {
public:
    void SetRange(int frames) override { range = frames; }
    void SetStep(int done) override { step = done; }
    void SetText(int id) override { texts.push_back(id); }
    void SetTitle(int id) override { title = id; }
    int range = 0, step = 0, title = 0;
    std::vector<int> texts;
};

CloneImage ReadImageFile(const std::string& path);
void WriteImageFile(const std::string& path, const CloneImage& image);
// An image of pseudo-random bytes (fixed seed) with the factory image's hardware option bits.
CloneImage PatternImage(unsigned seed);

} // namespace zt46::test
