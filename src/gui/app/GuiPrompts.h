#pragma once
// Message boxes and the beep for the desktop program. Tests put a script in front of the boxes and
// count the beeps.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/util/UserPrompts.h"

namespace zt46 {

class GuiPrompts : public QObject, public UserPrompts {
    Q_OBJECT
public:
    using Script = std::function<Answer(const Prompt&)>;

    explicit GuiPrompts(QObject* parent = nullptr) : QObject(parent) {}

    // Shows a message box (from any thread: a worker's question is asked on the user-interface thread).
    Answer Show(const Prompt& prompt) override;
    void Beep() override;

    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Answers every prompt without showing a box.
    void SetScript(Script script) { m_script = std::move(script); }
    int BeepCount() const { return m_beeps; }

private:
    Answer ShowHere(const Prompt& prompt);

    QPointer<QWidget> m_owner;
    Script m_script;
    int m_beeps = 0;
};

} // namespace zt46
