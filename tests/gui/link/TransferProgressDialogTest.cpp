// The transfer gauge shows each of its status texts whole, at the normal font size and at one and a half
// times it (a screen scaled to 150%).
#include <QFontMetrics>

#include "gui/GuiTestSupport.h"
#include "gui/link/TransferProgressDialog.h"

namespace zt46 {

class TransferProgressDialogTest : public QObject {
    Q_OBJECT

    // Whether the label's text, as it lays it out, lies wholly inside the label and the label inside
    // the dialog.
    static bool TextShowsWhole(const QLabel* label, const QWidget* dialog) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
        return room.contains(needed) && dialog->rect().contains(label->geometry());
    }

private slots:
    // The texts a run of any of the three modes (upload, download, alignment entry) puts up.
    void everyTextShowsWhole_data() {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("text");
        for (qreal scale : {1.0, 1.5}) {
            for (int text : {IDS_SWITCH_RADIO, IDS_NO_ECHO, IDS_READING_BACK})
                QTest::addRow("%d%%, text %d", int(scale * 100), text) << scale << text;
        }
    }
    void everyTextShowsWhole() {
        QFETCH(qreal, scale);
        QFETCH(int, text);
        const QFont normal = QApplication::font();
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        TransferProgressDialog gauge;
        QApplication::setFont(normal);
        gauge.Begin();
        gauge.SetRange(32);
        gauge.SetText(text);
        gauge.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gauge));
        QApplication::processEvents();
        auto* label = gauge.findChild<QLabel*>("gaugeText");
        QVERIFY(label);
        QVERIFY2(TextShowsWhole(label, &gauge), qPrintable(label->text()));
        QVERIFY(gauge.rect().contains(gauge.CancelButton()->geometry()));
    }
};

} // namespace zt46

ZT46_GUI_TEST(TransferProgressDialogTest)
#include "TransferProgressDialogTest.moc"
