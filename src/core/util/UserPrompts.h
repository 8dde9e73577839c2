#pragma once
// How core code asks the user something or tells them something: the GUI shows message boxes,
// the command-line tool writes to stderr, the tests record the ids.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zt46 {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Stop, Question, Information };
enum class Answer { Ok, Yes, No, Cancel };

struct Prompt {
    Prompt() = default;
    Prompt(int id, std::string text, Buttons buttons = Buttons::Ok, Icon icon = Icon::Stop,
           std::string caption = {})
        : id(id), text(std::move(text)), buttons(buttons), icon(icon), caption(std::move(caption)) {}

    int id = 0;       // string id of the text
    std::string text; // the text with its placeholders filled
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::Stop;
    std::string caption; // the box's caption; empty: the program's title
    // The buttons' own texts in place of the standard ones, in the order of their answers (Yes, No,
    // Cancel); empty: the standard texts. Such a prompt is a choice between named actions, which the
    // command-line tool never makes on the user's behalf.
    std::vector<std::string> buttonTexts;
    Answer defaultAnswer = Answer::Yes; // the button Enter presses, for YesNo and YesNoCancel
};

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // Shows the prompt and returns the button pressed. May be called from a worker thread.
    virtual Answer Show(const Prompt& prompt) = 0;
    // The default system beep for refused input.
    virtual void Beep() = 0;
};

// Prompts for work nobody watches: every question gets the same answer and nothing is shown or beeped.
class SilentPrompts : public UserPrompts {
public:
    explicit SilentPrompts(Answer answer = Answer::Ok) : m_answer(answer) {}
    Answer Show(const Prompt&) override { return m_answer; }
    void Beep() override {}

private:
    Answer m_answer;
};

Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon);
Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon, std::string_view text1);
Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon, std::string_view text1,
                   std::string_view text2);

} // namespace zt46
