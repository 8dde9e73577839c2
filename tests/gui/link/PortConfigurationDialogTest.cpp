// The Configuration dialog's port choice.

#include "gui/link/PortConfigurationDialog.h"
#include "gui/GuiTestSupport.h"

namespace zt46 {

class PortConfigurationDialogTest : public QObject {
    Q_OBJECT

private slots:
    void portTextNamesComPortOrDevice_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QString>("device");
        QTest::newRow("list entry") << "COM 3" << 3 << "";
        QTest::newRow("typed without blank") << "com16" << 16 << "";
        QTest::newRow("empty") << "" << 1 << "";
        QTest::newRow("beyond 16 is a device name") << "COM 17" << 5 << "COM 17";
        QTest::newRow("typed path") << " /dev/pts/7 " << 5 << "/dev/pts/7";
        QTest::newRow("listed device with description")
            << "/dev/ttyUSB0  -  USB serial" << 5 << "/dev/ttyUSB0";
    }
    void portTextNamesComPortOrDevice() {
        QFETCH(QString, text);
        const auto choice = PortConfigurationDialog::ParseChoice(text, 5);
        QTEST(choice.comPort, "comPort");
        QTEST(choice.devicePath, "device");
    }

    void opensOnTheChosenPort() {
        AppState state;
        state.ComPort = 16;
        state.PortType = 1;
        {
            PortConfigurationDialog dialog(state);
            QCOMPARE(dialog.PortBox()->currentText(), QString("COM 16"));
            QVERIFY(dialog.InterfaceBox()->isChecked());
            dialog.InterfaceBox()->click();
            dialog.PortBox()->setCurrentIndex(2);
            QCOMPARE(dialog.SelectedPortType(), 0);
            QCOMPARE(dialog.SelectedComPort(), 3);
            QCOMPARE(dialog.SelectedDevice(), QString());
        }
        state.PortDevice = "/dev/pts/9";
        PortConfigurationDialog dialog(state);
        QCOMPARE(dialog.SelectedDevice(), QString("/dev/pts/9"));
        QCOMPARE(dialog.SelectedComPort(), 16);
    }

    void enterInThePortBoxDoesNotClose() {
        AppState state;
        PortConfigurationDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.PortBox()->setFocus();
        QTest::keyClick(dialog.PortBox()->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        dialog.OkButton()->setFocus();
        QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

} // namespace zt46

ZT46_GUI_TEST(PortConfigurationDialogTest)
#include "PortConfigurationDialogTest.moc"
