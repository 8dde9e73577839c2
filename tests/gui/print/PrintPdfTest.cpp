#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include "PrintTestSupport.h"
#include "PrintTests.h"
#include "core/image/SettingsGroups.h"
#include "core/util/Messages.h"
#include "gui/report/PrintController.h"

namespace zt46::test {
namespace {

// Prints through a PDF printer, the way a print job reaches paper; from = 0 prints every page.
const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                      QPageLayout::Millimeter);

bool PrintToPdf(TestDocument& doc, const QString& path, int from = 0, int to = 0,
                const QPageLayout& layout = kA4) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(layout);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    PrintController controller(doc.document, doc.prompts);
    return controller.PrintOn(printer);
}

// Every page of the PDF reads as the report's page of the same number.
void CompareWithReport(const QStringList& pdfPages, const Report& report, const QList<int>& reportPages) {
    QCOMPARE(pdfPages.size(), reportPages.size());
    for (int i = 0; i < reportPages.size(); ++i)
        QCOMPARE(Words(pdfPages[i]), Words(report.Page(reportPages[i])));
}

QList<int> AllPages(const Report& report) {
    QList<int> pages;
    for (int p = 1; p <= report.PageCount(); ++p)
        pages << p;
    return pages;
}

} // namespace

void PrintPdfTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    // ZT46_KEEP_PDF=1 keeps the printed files for a look at the pages.
    if (qEnvironmentVariableIsSet("ZT46_KEEP_PDF")) {
        m_dir.setAutoRemove(false);
        qInfo("PDF files in %s", qPrintable(m_dir.path()));
    }
}

void PrintPdfTest::PageCountAndText_data() {
    QTest::addColumn<int>("inUse");
    QTest::addColumn<int>("pages");
    QTest::newRow("none: the settings page alone") << 0 << 1;
    QTest::newRow("the Weather channels alone") << 10 << 2;
    QTest::newRow("70: one full channel page") << 70 << 2;
    QTest::newRow("71: one channel more") << 71 << 3;
    QTest::newRow("160: every MR and Weather channel") << 160 << 4;
}

void PrintPdfTest::PageCountAndText() {
    QFETCH(int, inUse);
    QFETCH(int, pages);
    TestDocument doc(inUse);
    const QString path = m_dir.filePath(QStringLiteral("count%1.pdf").arg(inUse));
    QVERIFY(PrintToPdf(doc, path));
    const Report report(doc.document);
    QCOMPARE(report.ChannelsInUse(), inUse);
    QCOMPARE(report.PageCount(), pages);
    CompareWithReport(PdfPages(path), report, AllPages(report));
    QVERIFY(!doc.document.PrintingActive());
    QVERIFY(doc.prompts.ids.empty());
}

void PrintPdfTest::PageRange_data() {
    QTest::addColumn<int>("inUse");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("printed");
    QTest::newRow("2 to 2: the first channel page only") << 71 << 2 << 2 << QList<int>{2};
    QTest::newRow("1 to 1: the settings page only") << 71 << 1 << 1 << QList<int>{1};
    QTest::newRow("3 to 3: the last channel page") << 71 << 3 << 3 << QList<int>{3};
    QTest::newRow("2 to 3") << 71 << 2 << 3 << QList<int>{2, 3};
    QTest::newRow("beyond the report: nothing") << 10 << 3 << 4 << QList<int>{};
}

void PrintPdfTest::PageRange() {
    QFETCH(int, inUse);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, printed);
    TestDocument doc(inUse);
    const QString path = m_dir.filePath(QStringLiteral("range%1-%2.pdf").arg(from).arg(to));
    QVERIFY(PrintToPdf(doc, path, from, to));
    if (printed.isEmpty()) {
        QVERIFY2(!QFile::exists(path), "an empty range starts no job");
        return;
    }
    CompareWithReport(PdfPages(path), Report(doc.document), printed);
}

void PrintPdfTest::FirstLinesOfPage1() {
    TestDocument doc(12);
    const QString path = m_dir.filePath(QStringLiteral("first.pdf"));
    QVERIFY(PrintToPdf(doc, path));
    const QStringList pages = PdfPages(path);
    QVERIFY(!pages.isEmpty());
    const QStringList lines = Words(pages[0]).mid(0, 5);
    const QStringList expected = {
        "********** Norvalen KSR-410 Portable Transceiver **********",
        "File Name: <none> Serial No: #Q######",
        "*****System Parameters***** *****VFO A/B*****",
        "VFO A/B : VFO A ---VFO A---",
        "Current Mode : VFO Mode : AM",
    };
    QCOMPARE(lines, expected);

    // Where the words stand: x = (5 + column) character widths and y = line position x line height from
    // the top-left corner of the printable area, in a fixed-pitch font. Columns and positions are
    // those of the text report.
    const QRectF area = kA4.paintRect(QPageLayout::Point);
    const std::vector<PdfPage> words = PdfWords(path);
    QVERIFY(!words.empty());
    const ReportPage reportPage = Report(doc.document).Page(1);
    const auto find = [&](const QString& text) {
        const auto w = std::find_if(words[0].words.begin(), words[0].words.end(),
                                    [&](const PdfWord& word) { return word.text == text; });
        return w == words[0].words.end() ? PdfWord{} : *w;
    };
    const auto placeInReport = [&](const QString& text) {
        for (const ReportLine& line : reportPage.lines) {
            const int column = QString::fromStdString(line.text).indexOf(text);
            if (column >= 0) return QPoint(column, line.position);
        }
        return QPoint(-1, -1);
    };
    const PdfWord title = find("Norvalen");
    const PdfWord last = find("Sensitivity");
    QVERIFY(!title.text.isEmpty() && !last.text.isEmpty());
    const double charWidth = (last.xMax - last.xMin) / last.text.size();
    const double lineHeight =
        (last.yMin - title.yMin) / (placeInReport("Sensitivity").y() - placeInReport("Norvalen").y());
    QVERIFY(charWidth > 0 && lineHeight > 0);
    QVERIFY2(title.yMin - area.top() < 0.5 * lineHeight,
             "line position 0 is at the top of the printable area");
    for (const QString text :
         {"Norvalen", "Name:", "#Q######", "*****System", "*****VFO", "Clock", "Sensitivity"}) {
        const PdfWord w = find(text);
        const QPoint place = placeInReport(text);
        QVERIFY2(!w.text.isEmpty() && place.x() >= 0, qPrintable(text));
        QVERIFY2(qAbs((w.xMin - area.left()) / charWidth - (kReportMarginColumns + place.x())) < 0.1,
                 qPrintable(text));
        QVERIFY2(qAbs((w.yMin - title.yMin) / lineHeight - place.y()) < 0.05, qPrintable(text));
    }
}

void PrintPdfTest::ChannelPageStartingMidGroupHasNoTitle() {
    // 61 MR channels and 10 Weather channels: page 2 holds the MR channels and Weather 1..9 under their
    // titles, page 3 starts at Weather 10 without one.
    TestDocument doc(71);
    const QString path = m_dir.filePath(QStringLiteral("midgroup.pdf"));
    QVERIFY(PrintToPdf(doc, path));
    const QStringList pages = PdfPages(path);
    QCOMPARE(pages.size(), 3);
    const QStringList second = Words(pages[1]);
    QVERIFY(second.contains("***MR***"));
    QVERIFY(second.contains("***Weather***"));
    const QStringList third = Words(pages[2]);
    QCOMPARE(third.size(), 7); // six header lines and one channel
    QCOMPARE(third[0], QStringLiteral("***************** CHANNEL DATA ***************************"));
    QVERIFY2(third[6].startsWith("10 "), qPrintable(third[6]));
    QVERIFY(third[6].contains("WX-10"));
    QVERIFY(!pages[2].contains("***Weather***"));
}

void PrintPdfTest::NothingIsCut_data() {
    QTest::addColumn<QPageLayout>("layout");
    QTest::addColumn<QString>("fileName");
    const QMarginsF margins(15, 15, 15, 15);
    const auto layout = [&](QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
        return QPageLayout(QPageSize(size), orientation, margins, QPageLayout::Millimeter);
    };
    QTest::newRow("A4") << layout(QPageSize::A4, QPageLayout::Portrait) << QString();
    QTest::newRow("Letter") << layout(QPageSize::Letter, QPageLayout::Portrait) << QString();
    QTest::newRow("A5") << layout(QPageSize::A5, QPageLayout::Portrait) << QString();
    QTest::newRow("A4 landscape") << layout(QPageSize::A4, QPageLayout::Landscape) << QString();
    QTest::newRow("Legal") << layout(QPageSize::Legal, QPageLayout::Portrait) << QString();
    // The file name runs the page-1 header past the 100 columns of the widest settings line.
    QTest::newRow("A4, long file name")
        << layout(QPageSize::A4, QPageLayout::Portrait) << QString("/tmp/") + QString(70, 'K') + ".t46";
}

void PrintPdfTest::NothingIsCut() {
    QFETCH(QPageLayout, layout);
    QFETCH(QString, fileName);
    TestDocument doc(71);
    if (!fileName.isEmpty()) doc.document.SetCurrentFileName(fileName.toStdString());
    const QString path = m_dir.filePath(QStringLiteral("fit.pdf"));
    QVERIFY(PrintToPdf(doc, path, 0, 0, layout));

    const QRectF area = layout.paintRect(QPageLayout::Point);
    const std::vector<PdfPage> pages = PdfWords(path);
    QCOMPARE(pages.size(), std::size_t{3});
    double widthUsed = 0, heightUsed = 0;
    for (const PdfPage& page : pages) {
        QVERIFY(!page.words.empty());
        for (const PdfWord& w : page.words) {
            const QRectF box(QPointF(w.xMin, w.yMin), QPointF(w.xMax, w.yMax));
            QVERIFY2(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box), qPrintable(w.text + " is cut"));
            widthUsed = std::max(widthUsed, (w.xMax - area.left()) / area.width());
            heightUsed = std::max(heightUsed, (w.yMax - area.top()) / area.height());
        }
    }
    // Sized to fit, not merely small: the width or the height is nearly filled (bigger paper is capped
    // at a comfortable size).
    if (layout.pageSize().id() != QPageSize::Legal)
        QVERIFY2(std::max(widthUsed, heightUsed) > 0.8,
                 qPrintable(QString("%1 %2").arg(widthUsed).arg(heightUsed)));
    if (!fileName.isEmpty()) QVERIFY(PdfPages(path)[0].contains(QString(70, 'K')));
}

void PrintPdfTest::CelsiusIsText() {
    TestDocument doc(10);
    KeyMiscSettings keyMisc;
    keyMisc.Load(doc.document.Image());
    keyMisc.TemperatureUnit = 1;
    keyMisc.Store(doc.document.Image());
    const QString path = m_dir.filePath(QStringLiteral("celsius.pdf"));
    QVERIFY(PrintToPdf(doc, path));
    QVERIFY(Words(PdfPages(path).value(0)).contains(QStringLiteral("Temperature Unit : \u00B0C")));
}

void PrintPdfTest::ExportPdfMatchesPrint() {
    TestDocument doc(71);
    PrintController controller(doc.document, doc.prompts);
    const QString path = m_dir.filePath(QStringLiteral("export.pdf"));
    QVERIFY(controller.ExportPdfTo(path));
    QVERIFY(!doc.document.PrintingActive());
    const Report report(doc.document);
    CompareWithReport(PdfPages(path), report, AllPages(report));
}

void PrintPdfTest::ExportPdfToMissingFolderIsReported() {
    TestDocument doc(10);
    PrintController controller(doc.document, doc.prompts);
    QVERIFY(!controller.ExportPdfTo(m_dir.filePath(QStringLiteral("no such folder/out.pdf"))));
    QCOMPARE(doc.prompts.ids, std::vector<int>{IDS_CREATE_FILE_ERROR});
    QVERIFY(!doc.document.PrintingActive());
}

void PrintPdfTest::CommandLinePdf() {
#ifndef ZT46_CLI_PATH
    QSKIP("the zt46 tool is not part of this build");
#else
    TestDocument doc(71);
    const QString clone = m_dir.filePath(QStringLiteral("seventy-one.t46"));
    doc.document.SetCurrentFileName(clone.toStdString());
    QVERIFY(doc.document.Save());

    struct Case {
        QStringList args;
        int exitCode;
        bool written;
    };
    const QString out = m_dir.filePath(QStringLiteral("cli.pdf"));
    const Case cases[] = {
        {{"report", clone, "--pdf", out}, 0, true},
        {{"report", "--pdf", m_dir.filePath("no such folder/cli.pdf"), clone}, 2, false},
        {{"report", clone, "--pdf"}, 1, false},
    };
    for (const Case& c : cases) {
        QFile::remove(out);
        QProcess zt46;
        zt46.start(QStringLiteral(ZT46_CLI_PATH), c.args);
        QVERIFY(zt46.waitForFinished(60000));
        QCOMPARE(zt46.exitCode(), c.exitCode);
        QCOMPARE(QFile::exists(out), c.written);
        QVERIFY2(zt46.readAllStandardOutput().isEmpty(), "the PDF replaces the text on stdout");
        if (c.written) {
            const Report report(doc.document);
            CompareWithReport(PdfPages(out), report, AllPages(report));
        }
    }
#endif
}

} // namespace zt46::test
