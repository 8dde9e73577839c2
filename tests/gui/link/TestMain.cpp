// Runs the test classes of the desktop transfers and the prompt-bar dialogs in one binary.
#include <QApplication>
#include <QTest>

#include "TestClasses.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int failed = 0;
    {
        zt46::test::PromptBarTest prompts;
        failed += QTest::qExec(&prompts, argc, argv);
    }
    {
        zt46::test::DesktopTransferTest transfers;
        failed += QTest::qExec(&transfers, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
