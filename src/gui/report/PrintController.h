#pragma once
// File > Print..., the direct print, File > Print Preview, File > Print Setup... and File > Export
// PDF...: the report's pages on paper, on screen and in a PDF, all painted by ReportPainter.
//
// While a job or the preview runs the document's PrintingActive is set, so closing the main window
// meanwhile does not ask to save. After a print job, the preview and Print Setup the printer chosen
// in the dialog becomes PrinterName; PrinterNameChanged tells the view to redraw its header.

#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace zt46 {

class Document;
class UserPrompts;

class PrintController : public QObject {
    Q_OBJECT
public:
    // dialogParent: the window the dialogs are modal to (the main window), which also owns the
    // controller.
    PrintController(Document& document, UserPrompts& prompts, QWidget* dialogParent = nullptr);
    ~PrintController() override;

    // The device name of the current printer: the system's default printer at start-up, empty when
    // the machine has none.
    QString PrinterName() const { return m_printerName; }
    // The printer the dialogs set up (device, paper, page range, copies); its page layout also shapes
    // the exported PDF.
    QPrinter& Printer() { return *m_printer; }

    // One print job on the printer as it is set up, honouring its page range. A range holding none of
    // the report's pages prints nothing. False after a failure, which has been reported.
    bool PrintOn(QPrinter& printer);
    // Every page into a PDF file; false after a failure, which has been reported.
    bool ExportPdfTo(const QString& path);

public slots:
    // The print dialog (page range 1 to the report's page count), then the job. False when cancelled
    // or failed.
    bool Print();
    // The print preview dialog.
    void PrintPreview();
    // The Print Setup dialog: the printer and its paper. False when cancelled.
    bool PrintSetup();
    // Asks for a file name, then ExportPdfTo.
    bool ExportPdf();

signals:
    void PrinterNameChanged(const QString& name);

private:
    void TakePrinterName(const QPrinter& printer);
    QString SuggestedPdfPath() const;

    Document& m_document;
    UserPrompts& m_prompts;
    QWidget* m_dialogParent;
    std::unique_ptr<QPrinter> m_printer;
    QString m_printerName;
};

} // namespace zt46
