// The Configuration dialog's port choice. (The transfer gauge runs in DesktopTransferTest.)

#include "gui/GuiTestSupport.h"
#include "gui/link/PortConfigurationDialog.h"

namespace zt46 {

class LinkDialogsTest : public QObject {
    Q_OBJECT

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
};

} // namespace zt46

ZT46_GUI_TEST(LinkDialogsTest)
#include "LinkDialogsTest.moc"
