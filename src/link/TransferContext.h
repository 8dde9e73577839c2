#pragma once
// What a transfer run reports to and hears from whoever started it: progress, messages, cancel.

#include <atomic>

namespace zt46 {

class UserPrompts;

// The progress display of a run (the GUI's progress dialog, the CLI's bar on stderr). Called on the
// thread that runs the transfer.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetRange(int frames) = 0; // a new bar from 0 to frames, at 0
    virtual void SetStep(int framesDone) = 0;
    virtual void SetText(int stringId) = 0;  // the status line shows that string
    virtual void SetTitle(int stringId) = 0; // the caption becomes that string
};

class NullProgress : public ProgressSink {
public:
    void SetRange(int) override {}
    void SetStep(int) override {}
    void SetText(int) override {}
    void SetTitle(int) override {}
};

struct TransferContext {
    UserPrompts& prompts;
    ProgressSink& progress;
    // Set by the caller (from any thread) to stop the run at its next check; it exists before the
    // run starts, so a Cancel pressed at once is never lost.
    const std::atomic<bool>& cancel;
};

} // namespace zt46
