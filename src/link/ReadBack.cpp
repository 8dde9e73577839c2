#include "link/ReadBack.h"

#include "core/document/RadioWrite.h"
#include "link/CloneProtocol.h"

namespace zt46 {

void NotedPrompts::SetNote(std::string note) {
    m_note = std::move(note);
    m_noted = false;
}

Answer NotedPrompts::Show(const Prompt& prompt) {
    if (m_note.empty() || prompt.icon != Icon::Stop) return m_inner.Show(prompt);
    Prompt noted = prompt;
    noted.text += "\r\n" + m_note;
    m_noted = true;
    return m_inner.Show(noted);
}

VerifyOutcome ReadBackAndCompare(CloneProtocol& protocol, NotedPrompts& prompts, const CloneImage& written,
                                 const std::string& backupPath, const Prompt& done) {
    prompts.SetNote(NotVerifiedNote(backupPath));
    CloneImage readBack = written;
    // The radio has just been written and is on: it answers the first poll.
    protocol.SetWaitText(IDS_READING_BACK);
    const bool read = protocol.Upload(readBack);
    const bool noted = prompts.Noted();
    prompts.SetNote({});
    if (!read) {
        if (!noted) prompts.Show(NotVerifiedPrompt(backupPath));
        return VerifyOutcome::NotRead;
    }
    if (readBack != written) {
        prompts.Show(VerifyFailedPrompt(written, readBack, backupPath));
        return VerifyOutcome::Differs;
    }
    prompts.Show(done);
    return VerifyOutcome::Verified;
}

} // namespace zt46
