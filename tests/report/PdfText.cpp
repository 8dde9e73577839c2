#include "report/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QtDebug>

namespace zt46::test {
namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    // A missing or failing tool gives no text, which fails the page checks with this warning beside them.
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << program << args << "failed:" << process.errorString() << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

ReportDocument::ReportDocument(int inUse) {
    doc.LoadFactoryImage();
    ChannelTable& table = doc.Channels();
    ChannelEntry sample = table.Entry(0);
    sample.Masked = 0;
    for (int i = 0; i < kChannelCount; ++i)
        table.Entry(i).Masked = 1;
    const int weather = std::min(inUse, kWeatherCount);
    for (int i = 0; i < weather; ++i)
        table.Entry(kFirstWeatherIndex + i).Masked = 0;
    for (int i = 0; i < inUse - weather; ++i)
        table.Entry(i) = sample;
}

QStringList PdfPages(const QString& path) {
    QStringList pages = Run("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast(); // after the last page
    return pages;
}

QStringList Words(const QStringList& lines) {
    QStringList words;
    for (const QString& line : lines)
        if (!line.simplified().isEmpty()) words << line.simplified();
    return words;
}

QStringList Words(const QString& pageText) {
    return Words(pageText.split(QLatin1Char('\n')));
}

QStringList Words(const ReportPage& page) {
    QStringList lines;
    for (const ReportLine& line : page.lines)
        lines << QString::fromStdString(line.text);
    return Words(lines);
}

void CompareWithReport(const QString& path, const Report& report, QList<int> pages) {
    if (pages.isEmpty()) {
        for (int p = 1; p <= report.PageCount(); ++p)
            pages << p;
    }
    const QStringList pdfPages = PdfPages(path);
    QCOMPARE(pdfPages.size(), pages.size());
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(Words(pdfPages[i]), Words(report.Page(pages[i])));
}

std::vector<std::vector<PdfWord>> PdfWords(const QString& path) {
    const QString html = Run("pdftotext", {"-bbox", path, "-"});
    static const QRegularExpression wordTag(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    std::vector<std::vector<PdfWord>> pages;
    for (const QString& chunk : html.split(QStringLiteral("</page>"))) {
        if (!chunk.contains(QStringLiteral("<page "))) continue;
        std::vector<PdfWord>& words = pages.emplace_back();
        for (auto it = wordTag.globalMatch(chunk); it.hasNext();) {
            const auto w = it.next();
            QString text = w.captured(5);
            text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
            words.push_back({text, w.captured(1).toDouble(), w.captured(2).toDouble(),
                             w.captured(3).toDouble(), w.captured(4).toDouble()});
        }
    }
    return pages;
}

double CheckNothingCut(const QString& path, const QPageLayout& layout) {
    const QRectF area = layout.paintRect(QPageLayout::Point);
    double used = 0;
    for (const std::vector<PdfWord>& page : PdfWords(path)) {
        if (page.empty()) {
            QTest::qFail("a page without text", __FILE__, __LINE__);
            return 0;
        }
        for (const PdfWord& w : page) {
            const QRectF box(QPointF(w.xMin, w.yMin), QPointF(w.xMax, w.yMax));
            if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box)) {
                QTest::qFail(qPrintable(w.text + " is cut"), __FILE__, __LINE__);
                return 0;
            }
            used = std::max(
                {used, (w.xMax - area.left()) / area.width(), (w.yMax - area.top()) / area.height()});
        }
    }
    return used;
}

} // namespace zt46::test
