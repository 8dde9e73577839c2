// Which report pages a print job paints, and in which order.

#include "report/PageSequence.h"
#include "gui/GuiTestSupport.h"

Q_DECLARE_METATYPE(zt46::PageChoice)

namespace zt46 {

class PageSequenceTest : public QObject {
    Q_OBJECT

private slots:
    void pages_data() {
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
    void pages() {
        QFETCH(int, pageCount);
        QFETCH(PageChoice, choice);
        QFETCH(QList<int>, expected);
        const std::vector<int> pages = PageSequence(pageCount, choice);
        QCOMPARE(QList<int>(pages.begin(), pages.end()), expected);
    }
};

} // namespace zt46

ZT46_GUI_TEST(PageSequenceTest)
#include "PageSequenceTest.moc"
