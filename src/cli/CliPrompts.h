#pragma once
// Messages of the core on stderr, in the system's own texts. Questions are answered Yes: the user
// asked for the command on the command line. A choice between named actions is never made on the
// user's behalf: it is answered Cancel, and the command names the option that makes it.

#include <iosfwd>
#include <optional>
#include <string>

#include "core/document/Document.h"
#include "core/util/UserPrompts.h"

namespace zt46::cli {

class CliPrompts : public UserPrompts {
public:
    explicit CliPrompts(std::ostream& err) : m_err(err) {}
    Answer Show(const Prompt& prompt) override;
    void Beep() override {}
    int LastId() const { return m_lastId; }

private:
    std::ostream& m_err;
    int m_lastId = 0;
};

} // namespace zt46::cli
