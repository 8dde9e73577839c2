// Runs every printing test class in one QApplication (the dialogs need widgets).
#include <QApplication>
#include <QTest>

#include "PrintTests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    {
        zt46::test::PageSequenceTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    {
        zt46::test::PrintPdfTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    {
        zt46::test::PrintControllerTest test;
        failed += QTest::qExec(&test, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
