// The report painted into PDF files, read back with poppler: every page reads as the text report, each
// word stands where the text report puts it, nothing is cut on any paper, and the text is real text;
// and which of the pages a print job paints.

#include "report/ReportPdf.h"
#include "core/image/SettingsGroups.h"
#include "gui/GuiTestSupport.h"
#include "report/PageSequence.h"
#include "report/PdfText.h"

Q_DECLARE_METATYPE(zt46::PageChoice)

namespace zt46 {

using test::ReportDocument;

namespace {

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                      QPageLayout::Millimeter);

} // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const Report& report, const QString& name, const QPageLayout& layout = kA4) {
        const QString path = m_dir.filePath(name);
        return WriteReportPdf(report, path, layout) == PdfResult::Written ? path : QString();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void pagesReadAsTheReport_data() {
        QTest::addColumn<int>("inUse");
        QTest::addColumn<int>("pages");
        QTest::newRow("none: the settings page alone") << 0 << 1;
        QTest::newRow("71: a channel page starting mid-group") << 71 << 3;
        QTest::newRow("160: every MR and Weather channel") << 160 << 4;
    }
    void pagesReadAsTheReport() {
        QFETCH(int, inUse);
        QFETCH(int, pages);
        ReportDocument f(inUse);
        const Report report(f.doc);
        QCOMPARE(report.PageCount(), pages);
        const QString path = Write(report, QStringLiteral("count%1.pdf").arg(inUse));
        QVERIFY(!path.isEmpty());
        test::CompareWithReport(path, report);
    }

    // Where the words stand: x = (5 + column) character widths and y = line position x line height from
    // the top-left corner of the printable area, in a fixed-pitch font; columns and positions are those
    // of the text report.
    void wordsStandWhereTheTextReportPutsThem() {
        ReportDocument f(12);
        const Report report(f.doc);
        const QString path = Write(report, QStringLiteral("first.pdf"));
        const std::vector<std::vector<test::PdfWord>> pages = test::PdfWords(path);
        QVERIFY(!pages.empty());
        const ReportPage page = report.Page(1);
        const auto find = [&](const QString& text) {
            for (const test::PdfWord& word : pages[0])
                if (word.text == text) return word;
            return test::PdfWord{};
        };
        const auto placeInReport = [&](const QString& text) {
            for (const ReportLine& line : page.lines) {
                const int column = QString::fromStdString(line.text).indexOf(text);
                if (column >= 0) return QPoint(column, line.position);
            }
            return QPoint(-1, -1);
        };
        const QRectF area = kA4.paintRect(QPageLayout::Point);
        const test::PdfWord title = find("Norvalen");
        const test::PdfWord last = find("Sensitivity");
        QVERIFY(!title.text.isEmpty() && !last.text.isEmpty());
        const double charWidth = (last.xMax - last.xMin) / last.text.size();
        const double lineHeight =
            (last.yMin - title.yMin) / (placeInReport("Sensitivity").y() - placeInReport("Norvalen").y());
        QVERIFY(charWidth > 0 && lineHeight > 0);
        QVERIFY2(title.yMin - area.top() < 0.5 * lineHeight,
                 "line position 0 is at the top of the printable area");
        for (const QString text :
             {"Norvalen", "Name:", "#Q######", "*****System", "*****VFO", "Clock", "Sensitivity"}) {
            const test::PdfWord w = find(text);
            const QPoint place = placeInReport(text);
            QVERIFY2(!w.text.isEmpty() && place.x() >= 0, qPrintable(text));
            QVERIFY2(qAbs((w.xMin - area.left()) / charWidth - (kReportMarginColumns + place.x())) < 0.1,
                     qPrintable(text));
            QVERIFY2(qAbs((w.yMin - title.yMin) / lineHeight - place.y()) < 0.05, qPrintable(text));
        }
    }

    void nothingIsCut_data() {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<QString>("fileName");
        const auto layout = [](QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
            return QPageLayout(QPageSize(size), orientation, QMarginsF(15, 15, 15, 15),
                               QPageLayout::Millimeter);
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
    void nothingIsCut() {
        QFETCH(QPageLayout, layout);
        QFETCH(QString, fileName);
        ReportDocument f(71);
        if (!fileName.isEmpty()) f.doc.SetCurrentFileName(fileName.toStdString());
        const QString path = Write(Report(f.doc), QStringLiteral("fit.pdf"), layout);
        QCOMPARE(test::PdfWords(path).size(), std::size_t{3});
        const double used = test::CheckNothingCut(path, layout);
        // Sized to fit, not merely small: the width or the height is nearly filled (bigger paper is capped
        // at a comfortable size).
        if (layout.pageSize().id() != QPageSize::Legal)
            QVERIFY2(used > 0.8, qPrintable(QString::number(used)));
        if (!fileName.isEmpty()) QVERIFY(test::PdfPages(path)[0].contains(QString(70, 'K')));
    }

    void celsiusIsText() {
        ReportDocument f(10);
        KeyMiscSettings keyMisc;
        keyMisc.Load(f.doc.Image());
        keyMisc.TemperatureUnit = 1;
        keyMisc.Store(f.doc.Image());
        const QString path = Write(Report(f.doc), QStringLiteral("celsius.pdf"));
        QVERIFY(test::Words(test::PdfPages(path).value(0))
                    .contains(QStringLiteral("Temperature Unit : \u00B0C")));
    }

    // Which report pages a print job paints, and in which order.
    void printJobsPaintTheChosenPages_data() {
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<PageChoice>("choice");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("all pages") << 3 << PageChoice{} << QList<int>{1, 2, 3};
        QTest::newRow("settings only") << 1 << PageChoice{} << QList<int>{1};
        QTest::newRow("2 to 2: first channel page") << 3 << PageChoice{{{2, 2}}} << QList<int>{2};
        QTest::newRow("range past the end is cut") << 3 << PageChoice{{{2, 9}}} << QList<int>{2, 3};
        QTest::newRow("range beyond the report") << 2 << PageChoice{{{4, 5}}} << QList<int>{};
        QTest::newRow("two ranges") << 5 << PageChoice{{{1, 1}, {4, 5}}} << QList<int>{1, 4, 5};
        QTest::newRow("collated copies") << 2 << PageChoice{{}, 2, true} << QList<int>{1, 2, 1, 2};
        QTest::newRow("uncollated copies") << 2 << PageChoice{{}, 2, false} << QList<int>{1, 1, 2, 2};
        QTest::newRow("last page first") << 3 << PageChoice{{{2, 3}}, 1, true, true} << QList<int>{3, 2};
        QTest::newRow("no copies still prints once") << 2 << PageChoice{{}, 0} << QList<int>{1, 2};
    }
    void printJobsPaintTheChosenPages() {
        QFETCH(int, pageCount);
        QFETCH(PageChoice, choice);
        QFETCH(QList<int>, expected);
        const std::vector<int> pages = PageSequence(pageCount, choice);
        QCOMPARE(QList<int>(pages.begin(), pages.end()), expected);
    }
};

} // namespace zt46

ZT46_GUI_TEST(ReportPdfTest)
#include "ReportPdfTest.moc"
