// The link's two dialogs: the Configuration dialog's port choice, and the transfer gauge showing each of
// its status texts whole, at the normal font size and at one and a half times it (a screen scaled to
// 150%).

#include "gui/GuiTestSupport.h"
#include "gui/link/PortConfigurationDialog.h"
#include "gui/link/TransferProgressDialog.h"

namespace zt46 {

class LinkDialogsTest : public QObject {
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
    void opensOnTheChosenPort() {
        AppState state;
        state.ComPort = 16;
        state.PortType = PortKind::InterfaceUnit;
        {
            PortConfigurationDialog dialog(state);
            QCOMPARE(dialog.PortBox()->currentText(), QString("COM 16"));
            QVERIFY(dialog.InterfaceBox()->isChecked());
            dialog.InterfaceBox()->click();
            dialog.PortBox()->setCurrentIndex(2);
            QVERIFY(dialog.SelectedPortKind() == PortKind::Cable);
            QCOMPARE(dialog.SelectedPort().comPort, 3);
            QCOMPARE(dialog.SelectedPort().devicePath, std::string());
        }
        state.PortDevice = "/dev/pts/9";
        PortConfigurationDialog dialog(state);
        QCOMPARE(dialog.SelectedPort().devicePath, std::string("/dev/pts/9"));
        QCOMPARE(dialog.SelectedPort().comPort, 16);
    }

    void enterInThePortBoxDoesNotClose() {
        AppState state;
        PortConfigurationDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.PortBox()->setFocus();
        QTest::keyClick(dialog.PortBox()->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        dialog.OkButton()->setFocus();
        QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
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

ZT46_GUI_TEST(LinkDialogsTest)
#include "LinkDialogsTest.moc"
