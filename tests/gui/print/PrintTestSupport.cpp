#include "PrintTestSupport.h"

#include <QProcess>
#include <QRegularExpression>
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

TestDocument::TestDocument(int inUse) : document(prompts, dialogs, {".", "."}) {
    document.LoadFactoryImage();
    ChannelTable& table = document.Channels();
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

QStringList Words(const QString& pageText) {
    QStringList lines;
    for (const QString& line : pageText.split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) lines << simple;
    }
    return lines;
}

QStringList Words(const ReportPage& page) {
    QStringList lines;
    for (const ReportLine& line : page.lines) {
        const QString simple = QString::fromStdString(line.text).simplified();
        if (!simple.isEmpty()) lines << simple;
    }
    return lines;
}

std::vector<PdfPage> PdfWords(const QString& path) {
    const QString html = Run("pdftotext", {"-bbox", path, "-"});
    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    std::vector<PdfPage> pages;
    for (const QString& chunk : html.split(QStringLiteral("</page>"))) {
        const auto pageMatch = pageTag.match(chunk);
        if (!pageMatch.hasMatch()) continue;
        PdfPage page{pageMatch.captured(1).toDouble(), pageMatch.captured(2).toDouble(), {}};
        for (auto it = wordTag.globalMatch(chunk); it.hasNext();) {
            const auto w = it.next();
            QString text = w.captured(5);
            text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
            page.words.push_back({text, w.captured(1).toDouble(), w.captured(2).toDouble(),
                                  w.captured(3).toDouble(), w.captured(4).toDouble()});
        }
        pages.push_back(page);
    }
    return pages;
}

} // namespace zt46::test
