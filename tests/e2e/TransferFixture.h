#pragma once
// One transfer run against the simulated radio, its prompts and progress recorded.

#include <atomic>
#include <string>
#include <vector>

#include "link/TransferRuns.h"
#include "support/TestSupport.h"

namespace zt46::test {

class RecordingProgress : public ProgressSink {
public:
    void SetRange(int frames) override { range = frames; }
    void SetStep(int done) override { step = done; }
    void SetText(int id) override { texts.push_back(id); }
    void SetTitle(int id) override { title = id; }
    int range = 0, step = 0, title = 0;
    std::vector<int> texts;
};

struct Transfer {
    RecordingPrompts prompts;
    RecordingProgress progress;
    std::atomic<bool> cancel{false};
    TransferResult result;

    TransferResult& Go(TransferMode mode, const std::string& device, const TransferJob& job) {
        SerialPort port(PortSettings{1, device});
        const TransferContext context{prompts, progress, cancel};
        result = RunTransfer(mode, port, job, context);
        return result;
    }
};

} // namespace zt46::test
