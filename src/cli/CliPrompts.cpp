#include "cli/CliPrompts.h"

#include <ostream>

namespace zt46::cli {

Answer CliPrompts::Show(const Prompt& prompt) {
    m_lastId = prompt.id;
    std::string text;
    for (char c : prompt.text) {
        if (c != '\r') text += c;
    }
    m_err << "zt46: " << text << '\n';
    if (!prompt.buttonTexts.empty()) return Answer::Cancel;
    switch (prompt.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    default:
        return Answer::Yes;
    }
}

} // namespace zt46::cli
