#pragma once
// After a write the radio is read again and compared, byte for byte, with what was written. While a
// write is on, each failure message of the protocol also says what became of the radio and where the
// backup of its memory is.

#include <string>

#include "core/image/CloneImage.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

class CloneProtocol;

enum class VerifyOutcome {
    NotRun,
    Verified, // the radio holds exactly what was written
    Differs,  // it holds something else
    NotRead,  // it could not be read back (a protocol failure or a cancel)
};

// Passes every prompt on; a stop message gets the note added while one is set.
class NotedPrompts : public UserPrompts {
public:
    explicit NotedPrompts(UserPrompts& inner) : m_inner(inner) {}
    // A new note (empty: none); Noted() is false again.
    void SetNote(std::string note);
    // Whether a message carried the note since it was set.
    bool Noted() const { return m_noted; }
    Answer Show(const Prompt& prompt) override;
    void Beep() override { m_inner.Beep(); }

private:
    UserPrompts& m_inner;
    std::string m_note;
    bool m_noted = false;
};

// Reads the radio through `protocol` (whose prompts are `prompts`) and compares it with `written`.
// Verified: `done` is shown. Differs: the differing ranges, what they are and the backup. Not read: the
// protocol's own message with the note, or (cancelled, which the protocol does not report) a message of
// its own.
VerifyOutcome ReadBackAndCompare(CloneProtocol& protocol, NotedPrompts& prompts, const CloneImage& written,
                                 const std::string& backupPath, const Prompt& done);

} // namespace zt46
