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
    std::unique_ptr<ReportDocument> m_doc; // 71 channels in use: three pages
    std::unique_ptr<PrintController> m_controller;

private slots:
    void init() {
        m_doc = std::make_unique<ReportDocument>(71);
        m_controller = std::make_unique<PrintController>(m_doc->doc, m_doc->prompts);
    }
    // Printing is active only while a dialog or a job needs it.
    void cleanup() {
        gui_test::DropModalWaits();
        QVERIFY(!m_doc->doc.PrintingActive());
        m_controller.reset();
    }

    // The print dialog as a user fills it: "Pages from 2 to 2" prints that page alone; Cancel prints
    // nothing and leaves the printer as it was.
    void printDialogPrintsTheChosenPages_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("pages 2 to 2") << true;
        QTest::newRow("cancelled") << false;
    }
    void printDialogPrintsTheChosenPages() {
        QFETCH(bool, accept);
        QVERIFY(m_dir.isValid());
        ReportDocument& doc = *m_doc;
        PrintController& controller = *m_controller;
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
    }

    void PreviewHoldsPrintingActive() {
        QVERIFY(gui_test::RunModal<QPrintPreviewDialog>([this] { m_controller->PrintPreview(); },
                                                        [this](QPrintPreviewDialog* dialog) {
                                                            QVERIFY(m_doc->doc.PrintingActive());
                                                            auto* preview =
                                                                dialog->findChild<QPrintPreviewWidget*>();
                                                            QVERIFY(preview && preview->pageCount() == 3);
                                                        }));
    }

    void PrintOnARangeBeyondTheReportStartsNoJob() {
        const QString path = m_dir.filePath(QStringLiteral("range.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(4, 5);
        QVERIFY(m_controller->PrintOn(printer));
        QVERIFY(!QFile::exists(path));
    }

    void ExportPdfWritesTheReportOrSaysWhyNot() {
        const QString path = m_dir.filePath(QStringLiteral("export.pdf"));
        QVERIFY(m_controller->ExportPdfTo(path));
        test::CompareWithReport(path, Report(m_doc->doc));
        QVERIFY(!m_controller->ExportPdfTo(m_dir.filePath(QStringLiteral("no such folder/out.pdf"))));
        QCOMPARE(m_doc->prompts.ids, std::vector<int>{IDS_CREATE_FILE_ERROR});
    }

    void PrintSetupKeepsOrDropsChanges_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK keeps the new paper") << true;
        QTest::newRow("Cancel puts the old paper back") << false;
    }

    void PrintSetupKeepsOrDropsChanges() {
        QFETCH(bool, accept);
        PrintController& controller = *m_controller;
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
