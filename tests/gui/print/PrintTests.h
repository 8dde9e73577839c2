#pragma once
// The printing test classes, run one after the other by PrintTestMain.

#include <QObject>
#include <QTemporaryDir>

namespace zt46::test {

class PageSequenceTest : public QObject {
    Q_OBJECT
private slots:
    void Pages_data();
    void Pages();
};

// The report printed through a PDF printer and exported with the PDF writer, read back with poppler.
class PrintPdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void PageCountAndText_data();
    void PageCountAndText();
    void PageRange_data();
    void PageRange();
    void FirstLinesOfPage1();
    void ChannelPageStartingMidGroupHasNoTitle();
    void NothingIsCut_data();
    void NothingIsCut();
    void CelsiusIsText();
    void ExportPdfMatchesPrint();
    void ExportPdfToMissingFolderIsReported();
    void CommandLinePdf();

private:
    QTemporaryDir m_dir;
};

// The dialogs' side: PrintingActive, the page range chosen in the print dialog, cancel, preview.
class PrintControllerTest : public QObject {
    Q_OBJECT
private slots:
    void PrintDialogRangeTwoToTwo();
    void CancelledPrintDialogPrintsNothing();
    void PreviewHoldsPrintingActive();
    void PrintSetupKeepsOrDropsChanges_data();
    void PrintSetupKeepsOrDropsChanges();

private:
    QTemporaryDir m_dir;
};

} // namespace zt46::test
