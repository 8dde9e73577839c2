#pragma once
// The Open and Save As file dialogs of the file commands.

#include <QPointer>
#include <QWidget>

#include "core/document/Document.h"

namespace zt46 {

class GuiFileDialogs : public FileDialogs {
public:
    void SetOwner(QWidget* owner) { m_owner = owner; }
    std::optional<std::string> AskOpenPath() override;
    // Asks before it overwrites a file and before it creates a new one.
    std::optional<std::string> AskSavePath(const std::string& currentName) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace zt46
