#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>

#include "gui/GuiTestSupport.h"
#include "gui/report/PrintController.h"
#include "gui/report/PrintSetupDialog.h"
#include "report/PdfText.h"

namespace zt46 {

using gui_test::WhenModal;
using test::ReportDocument;

namespace {

void PrintIntoFile(PrintController& controller, const QString& path) {
    controller.Printer().setOutputFormat(QPrinter::PdfFormat);
    controller.Printer().setOutputFileName(path);
}

} // namespace

class PrintControllerTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup() { gui_test::DropModalWaits(); }

    // The print dialog as a user fills it: "Pages from 2 to 2" prints that page alone; Cancel prints
    // nothing and leaves the printer as it was. Printing is active only meanwhile.
    void printDialogPrintsTheChosenPages_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("pages 2 to 2") << true;
        QTest::newRow("cancelled") << false;
    }
    void printDialogPrintsTheChosenPages() {
        QFETCH(bool, accept);
        QVERIFY(m_dir.isValid());
        ReportDocument doc(71);
        PrintController controller(doc.doc, doc.prompts);
        QSignalSpy nameChanged(&controller, &PrintController::PrinterNameChanged);
        const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        PrintIntoFile(controller, path);
        int maxPage = 0;
        WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            maxPage = dialog->maxPage();
            auto* range = dialog->findChild<QRadioButton*>(QStringLiteral("printRange"));
            auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
            auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
            if (!accept || !range || !from || !to) return dialog->reject();
            range->setChecked(true);
            from->setValue(2);
            to->setValue(2);
            dialog->accept();
        });
        QCOMPARE(controller.Print(), accept);
        QCOMPARE(maxPage, 3);
        if (accept) test::CompareWithReport(path, Report(doc.doc), {2});
        if (!accept) QVERIFY(!QFile::exists(path) && nameChanged.count() == 0);
        QVERIFY(!doc.doc.PrintingActive());
    }

    void PreviewHoldsPrintingActive() {
        ReportDocument doc(71);
        PrintController controller(doc.doc, doc.prompts);
        bool activeMeanwhile = false;
        int previewPages = 0;
        WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            activeMeanwhile = doc.doc.PrintingActive();
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
                previewPages = preview->pageCount();
            dialog->reject();
        });
        controller.PrintPreview();
        QVERIFY(activeMeanwhile);
        QCOMPARE(previewPages, 3);
        QVERIFY(!doc.doc.PrintingActive());
    }

    void PrintOnARangeBeyondTheReportStartsNoJob() {
        ReportDocument doc(71);
        const QString path = m_dir.filePath(QStringLiteral("range.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(4, 5);
        QVERIFY(PrintController(doc.doc, doc.prompts).PrintOn(printer));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!doc.doc.PrintingActive());
    }

    void ExportPdfWritesTheReportOrSaysWhyNot() {
        ReportDocument doc(71);
        PrintController controller(doc.doc, doc.prompts);
        const QString path = m_dir.filePath(QStringLiteral("export.pdf"));
        QVERIFY(controller.ExportPdfTo(path));
        test::CompareWithReport(path, Report(doc.doc));
        QVERIFY(!controller.ExportPdfTo(m_dir.filePath(QStringLiteral("no such folder/out.pdf"))));
        QCOMPARE(doc.prompts.ids, std::vector<int>{IDS_CREATE_FILE_ERROR});
        QVERIFY(!doc.doc.PrintingActive());
    }

    void PrintSetupKeepsOrDropsChanges_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK keeps the new paper") << true;
        QTest::newRow("Cancel puts the old paper back") << false;
    }

    void PrintSetupKeepsOrDropsChanges() {
        QFETCH(bool, accept);
        ReportDocument doc(10);
        PrintController controller(doc.doc, doc.prompts);
        const QString path = m_dir.filePath(QStringLiteral("setup.pdf"));
        PrintIntoFile(controller, path);
        controller.Printer().setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5));
        WhenModal<PrintSetupDialog>([&](PrintSetupDialog* dialog) {
            // What the page setup behind "Properties..." does to the printer.
            controller.Printer().setPageLayout(landscape);
            accept ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(controller.PrintSetup(), accept);
        QCOMPARE(controller.Printer().pageLayout().pageSize().id(), accept ? QPageSize::A5 : QPageSize::A4);
        if (!accept) QCOMPARE(controller.Printer().outputFileName(), path);
    }
};

} // namespace zt46

ZT46_GUI_TEST(PrintControllerTest)
#include "PrintControllerTest.moc"
