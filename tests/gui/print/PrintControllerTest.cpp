#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "PrintTestSupport.h"
#include "PrintTests.h"
#include "gui/report/PrintController.h"
#include "gui/report/PrintSetupDialog.h"

namespace zt46::test {
namespace {

// Runs action on the modal dialog of type T as soon as it is shown (the code under test sits in its
// exec() meanwhile). Gives up after a few seconds, rejecting whatever is modal so the test goes on.
template <typename T> void WhenShown(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal)) {
            timer->deleteLater();
            timer->stop();
            action(dialog);
        } else if (++*tries > 250) {
            timer->deleteLater();
            timer->stop();
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
            QFAIL("the expected dialog was not shown");
        }
    });
    timer->start(20);
}

void PrintIntoFile(PrintController& controller, const QString& path) {
    controller.Printer().setOutputFormat(QPrinter::PdfFormat);
    controller.Printer().setOutputFileName(path);
}

} // namespace

void PrintControllerTest::PrintDialogRangeTwoToTwo() {
    QVERIFY(m_dir.isValid());
    TestDocument doc(71);
    PrintController controller(doc.document, doc.prompts);
    const QString path = m_dir.filePath(QStringLiteral("dialog.pdf"));
    PrintIntoFile(controller, path);

    int maxPage = 0;
    WhenShown<QPrintDialog>([&](QPrintDialog* dialog) {
        maxPage = dialog->maxPage();
        // What a user does: "Pages from 2 to 2", then Print.
        auto* range = dialog->findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
        if (range && from && to) {
            range->setChecked(true);
            from->setValue(2);
            to->setValue(2);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    QVERIFY(controller.Print());
    QCOMPARE(maxPage, 3);
    const QStringList pages = PdfPages(path);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(Words(pages[0]), Words(Report(doc.document).Page(2)));
    QVERIFY(!doc.document.PrintingActive());
}

void PrintControllerTest::CancelledPrintDialogPrintsNothing() {
    TestDocument doc(10);
    PrintController controller(doc.document, doc.prompts);
    QSignalSpy nameChanged(&controller, &PrintController::PrinterNameChanged);
    const QString path = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    PrintIntoFile(controller, path);
    WhenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    QVERIFY(!controller.Print());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(nameChanged.count(), 0);
    QVERIFY(!doc.document.PrintingActive());
}

void PrintControllerTest::PreviewHoldsPrintingActive() {
    TestDocument doc(71);
    PrintController controller(doc.document, doc.prompts);
    bool activeMeanwhile = false;
    int previewPages = 0;
    WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        activeMeanwhile = doc.document.PrintingActive();
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) previewPages = preview->pageCount();
        dialog->reject();
    });
    controller.PrintPreview();
    QVERIFY(activeMeanwhile);
    QCOMPARE(previewPages, 3);
    QVERIFY(!doc.document.PrintingActive());
}

void PrintControllerTest::PrintSetupKeepsOrDropsChanges_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK keeps the new paper") << true;
    QTest::newRow("Cancel puts the old paper back") << false;
}

void PrintControllerTest::PrintSetupKeepsOrDropsChanges() {
    QFETCH(bool, accept);
    TestDocument doc(10);
    PrintController controller(doc.document, doc.prompts);
    const QString path = m_dir.filePath(QStringLiteral("setup.pdf"));
    PrintIntoFile(controller, path);
    controller.Printer().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5));
    bool printerListUsable = false;
    WhenShown<PrintSetupDialog>([&](PrintSetupDialog* dialog) {
        auto* printers = dialog->findChild<QComboBox*>();
        printerListUsable = printers && printers->isEnabled();
        // What the page setup behind "Properties..." does to the printer.
        controller.Printer().setPageLayout(landscape);
        accept ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(controller.PrintSetup(), accept);
    QCOMPARE(printerListUsable, !QPrinterInfo::availablePrinterNames().isEmpty());
    QCOMPARE(controller.Printer().pageLayout().pageSize().id(), accept ? QPageSize::A5 : QPageSize::A4);
    if (!accept) QCOMPARE(controller.Printer().outputFileName(), path);
}

} // namespace zt46::test
