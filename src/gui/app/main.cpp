// zt46win: the desktop program.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SingleInstance.h"

int main(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    QApplication application(argc, argv);
    // The core formats and reads numbers with the C library: the point is always '.'.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("ZT46Win");

    const QString workingDir = QDir::currentPath();
    zt46::SingleInstance instance(workingDir);
    if (!instance.Acquire()) return 0; // the running copy comes to the front instead

    zt46::Application app(workingDir, QCoreApplication::applicationDirPath());
    if (!app.Start(QCoreApplication::arguments().mid(1))) return 1;
    QObject::connect(&instance, &zt46::SingleInstance::RaiseRequested, app.Frame(),
                     &zt46::MainWindow::BringToFront);

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
