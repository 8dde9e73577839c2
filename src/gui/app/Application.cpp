#include "gui/app/Application.h"

#include <QDir>
#include <QScreen>

#include "core/document/Document.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PasswordDialog.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableView.h"
#include "gui/link/PortHolder.h"

namespace zt46 {

Application::Application(const QString& workingDir, const QString& programDir)
    : m_workingDir(workingDir), m_programDir(programDir),
      m_settings(QDir(workingDir).filePath("ZT46Win.ini")),
      m_passwordCheck([](Privilege request) { return PasswordDialog::CheckPassword(request); }) {}

Application::~Application() {
    m_frame.reset(); // the frame leaves the document's listener slot before the document goes
    m_ports.reset(); // the held port is closed at exit
}

bool Application::Start(const QStringList& arguments) {
    m_settings.ReadAndRewrite(m_state);
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    const Privilege request = RequestedPrivilege(words);
    m_state.PrivilegedMode = m_passwordCheck(request);

    m_doc = std::make_unique<Document>(
        m_prompts, m_dialogs,
        Document::Folders{QDir(m_workingDir).absolutePath().toStdString(), m_programDir.toStdString()});
    if (request == Privilege::Normal && !arguments.isEmpty()) {
        // A named file loads without the status check; a bad one gives the built-in image.
        m_doc->OpenNamedFile(QDir(m_workingDir).absoluteFilePath(arguments.join(' ')).toStdString());
    } else {
        m_doc->LoadImage();
    }

    m_frame = std::make_unique<MainWindow>(*m_doc, m_state, m_settings, m_prompts);
    m_dialogs.SetOwner(m_frame.get());
    m_ports = std::make_unique<PortHolder>(m_state, m_prompts);
    m_frame->AttachLink(*m_ports);
    if (const QScreen* screen = m_frame->screen()) {
        QRect frame = m_frame->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_frame->move(frame.topLeft());
    }
    m_frame->showNormal();
    m_frame->View()->Grid()->setFocus();
    m_ports->OpenAtStartUp(); // the cable's port is held open from start-up (message 80 when it cannot be)
    return true;
}

} // namespace zt46
