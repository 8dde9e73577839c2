// Runs the widget test classes: the one named by the first argument, or all of them.

#include <QApplication>
#include <QTest>
#include <clocale>

#include "gui/GuiTestSupport.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's copies started here (and any SingleInstance) key on this run alone: test runs side by
    // side, and a copy the user has open, never meet.
    qputenv("ZT46_INSTANCE_KEY", "gui_tests-" + QByteArray::number(QCoreApplication::applicationPid()));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const auto& registry = zt46::gui_test::Registry();
    std::string only;
    std::vector<char*> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (only.empty() && registry.count(argv[i])) {
            only = argv[i];
        } else {
            args.push_back(argv[i]);
        }
    }
    int failures = 0;
    for (const auto& [name, factory] : registry) {
        if (!only.empty() && name != only) continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
