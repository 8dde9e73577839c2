// zt46win: the desktop program.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "core/util/Version.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/StartFolder.h"

int main(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    QApplication application(argc, argv);
    // The core formats and reads numbers with the C library: the point is always '.'.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("ZT46Win");
    QApplication::setApplicationVersion(zt46::kProgramVersion);
    // The desktop entry's name and the installed icon, for the window and the task bar.
    QGuiApplication::setDesktopFileName("zt46win");
    QApplication::setWindowIcon(QIcon::fromTheme("zt46win"));

    const QString currentDir = QDir::currentPath();
    const zt46::StartFolder start = zt46::ChooseStartFolder(QCoreApplication::arguments().mid(1), currentDir);
    if (!start.problem.isEmpty()) std::fprintf(stderr, "zt46win: %s\n", qPrintable(start.problem));
    const zt46::StartArguments request = zt46::ReadStartArguments(start.arguments, currentDir);
    for (const QString& word : request.ignored)
        std::fprintf(stderr, "zt46win: ignored: %s\n", qPrintable(word));
    // One copy per user: a running copy opens the file (or comes to the front) instead.
    zt46::SingleInstance instance;
    if (!instance.Acquire(request.file)) return 0;

    zt46::Application app(start.workingDir, QCoreApplication::applicationDirPath());
    if (!app.Start(start.arguments, currentDir)) return 1;
    QObject::connect(&instance, &zt46::SingleInstance::RaiseRequested, app.Frame(),
                     &zt46::MainWindow::BringToFront);
    QObject::connect(&instance, &zt46::SingleInstance::OpenRequested, app.Frame(),
                     &zt46::MainWindow::OpenFromOtherCopy);

    // For the start-up measurement: report the time to the first shown window and leave.
    if (qEnvironmentVariableIsSet("ZT46WIN_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, [&] {
            std::printf("%lld\n", static_cast<long long>(started.elapsed()));
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}
