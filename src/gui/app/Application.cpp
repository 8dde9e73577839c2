#include "gui/app/Application.h"

#include <QDir>
#include <QScreen>

#include "core/document/Document.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PasswordDialog.h"
#include "gui/app/StartFolder.h"
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

bool Application::Start(const QStringList& arguments, const QString& startDir) {
    m_settings.ReadAndRewrite(m_state);
    const StartArguments request =
        ReadStartArguments(arguments, startDir.isEmpty() ? m_workingDir : startDir);
    m_state.PrivilegedMode = m_passwordCheck(request.privilege);

    m_doc = std::make_unique<Document>(
        m_prompts, m_dialogs,
        Document::Folders{QDir(m_workingDir).absolutePath().toStdString(), m_programDir.toStdString()});
    if (request.file.isEmpty()) {
        m_doc->LoadImage();
    } else if (!m_doc->OpenNamedFile(request.file.toStdString())) {
        return false; // the message named the file; the program ends
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
