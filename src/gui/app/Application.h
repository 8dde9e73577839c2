#pragma once
// The application: start-up in its fixed order (configuration file, command line, printer, password,
// first document, main window) and ownership of everything that lives for the whole run.

#include <QStringList>
#include <functional>
#include <memory>

#include "gui/app/AppSettings.h"
#include "gui/app/AppState.h"
#include "gui/app/GuiPrompts.h"
#include "gui/document/GuiFileDialogs.h"

namespace zt46 {

class MainWindow;
class Document;
class PortHolder;

class Application {
public:
    Application(const QString& workingDir, const QString& programDir);
    ~Application();

    // Runs the start-up; `arguments` is the command line without the program name, a file named in it is
    // found from `startDir` (empty: the working folder). False when that file cannot be opened.
    bool Start(const QStringList& arguments, const QString& startDir = {});

    // Replaces the Password dialog (tests): asked with the mode the command line requests, it answers
    // the mode granted.
    void SetPasswordCheck(std::function<Privilege(Privilege)> check) { m_passwordCheck = std::move(check); }

    AppState& State() { return m_state; }
    AppSettings& Settings() { return m_settings; }
    GuiPrompts& Prompts() { return m_prompts; }
    Document& Doc() { return *m_doc; }
    MainWindow* Frame() const { return m_frame.get(); }
    PortHolder& Ports() { return *m_ports; }

private:
    QString m_workingDir;
    QString m_programDir;
    AppState m_state;
    AppSettings m_settings;
    GuiPrompts m_prompts;
    GuiFileDialogs m_dialogs;
    std::unique_ptr<Document> m_doc;
    std::unique_ptr<PortHolder> m_ports;
    std::unique_ptr<MainWindow> m_frame;
    std::function<Privilege(Privilege)> m_passwordCheck;
};

} // namespace zt46
