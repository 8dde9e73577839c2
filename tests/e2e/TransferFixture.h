#pragma once
// One transfer run against the simulated radio, its prompts and progress recorded.

#include <atomic>
#include <string>
#include <vector>

#include "link/TransferRuns.h"
#include "support/TestSupport.h"

namespace zt46::test {

using Ids = std::vector<int>;

class RecordingProgress : public ProgressSink {
public:
    void SetRange(int frames) override { range = frames; }
    void SetStep(int done) override { step = done; }
    void SetText(int id) override { texts.push_back(id); }
    void SetTitle(int) override {}
    int range = 0, step = 0;
    std::vector<int> texts;
};

struct Transfer {
    TempDir dir; // the backups go to its folder "backups" unless the job names another
    RecordingPrompts prompts;
    RecordingProgress progress;
    std::atomic<bool> cancel{false};
    TransferResult result;

    TransferResult& Go(TransferMode mode, const std::string& device, TransferJob job) {
        if (job.backupFolder.empty()) job.backupFolder = dir.File("backups");
        SerialPort port(PortSettings{1, device});
        result = RunTransfer(mode, port, job, TransferContext{prompts, progress, cancel});
        return result;
    }
};

// A job for the image. Its serial number is mostly not the radio's: the file's identity is written, as
// before there was a question about it (which has tests of its own).
inline TransferJob Job(const CloneImage& image, bool privileged = false) {
    TransferJob job;
    job.image = image;
    job.privileged = privileged;
    job.identity = IdentityChoice::File;
    return job;
}

} // namespace zt46::test
