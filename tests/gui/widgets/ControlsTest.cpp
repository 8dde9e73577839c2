// The input controls and small dialogs with real keys and clicks.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "GuiTests.h"
#include "app/PasswordDialog.h"
#include "controls/FilterEdit.h"
#include "editor/StepListDlg.h"

namespace zt46 {

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void filterEditTyping_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refused");
        QTest::addRow("tag keeps marks, in capitals") << 0 << true << "a_b:1"
                                                      << "A_B:1" << 0;
        QTest::addRow("tag drops ! and .") << 0 << true << "a!b.c"
                                           << "ABC" << 2;
        QTest::addRow("frequency keeps digits, point, blank") << 1 << false << "1 8.5"
                                                              << "1 8.5" << 0;
        QTest::addRow("frequency drops letters") << 1 << false << "1a2b"
                                                 << "12" << 2;
        QTest::addRow("hex byte") << 3 << false << "fG0"
                                  << "f0" << 1;
    }
    void filterEditTyping() {
        QFETCH(int, kind);
        QFETCH(bool, upper);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, refused);
        FilterEdit edit;
        edit.SetFilterKind(kind);
        edit.SetUpperCase(upper);
        int refusals = 0;
        connect(&edit, &FilterEdit::CharacterRefused, this, [&refusals] { ++refusals; });
        QTest::keyClicks(&edit, keys);
        QCOMPARE(edit.text(), shown);
        QCOMPARE(refusals, refused);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), shown.left(shown.size() - 1));
    }

    void passwordIsTypedInLowerCase() {
        PasswordDialog dialog;
        QCOMPARE(dialog.Field()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog.Field(), "KUMO-Hikari");
        QCOMPARE(dialog.Text(), QString("kumo-hikari"));
        QVERIFY(PasswordDialog::Matches(dialog.Text()));
        QVERIFY(!PasswordDialog::Matches("kumo-hikari "));
        QCOMPARE(PasswordDialog::CheckPassword(0), 0);
    }

    void stepPicker() {
        StepListDlg am(kColAmStep, 1);
        QCOMPARE(am.windowTitle(), QString("AM_STEP"));
        QCOMPARE(am.List()->count(), 2);
        QCOMPARE(am.List()->currentItem()->text(), QString("25k"));
        am.show();
        QListWidgetItem* first = am.List()->item(0);
        const QRect rect = am.List()->visualItemRect(first);
        QTest::mouseClick(am.List()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(am.List()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(am.result(), int(QDialog::Accepted));
        QCOMPARE(am.Chosen(), 0);

        StepListDlg fm(kColFmStep, 6);
        QCOMPARE(fm.windowTitle(), QString("FM_STEP"));
        QCOMPARE(fm.List()->count(), 7);
        QCOMPARE(fm.List()->currentItem()->text(), QString("50k"));
        fm.show();
        QTest::keyClick(fm.List(), Qt::Key_Up);
        QTest::keyClick(fm.List(), Qt::Key_Escape);
        QCOMPARE(fm.result(), int(QDialog::Rejected));
        QCOMPARE(fm.Chosen(), 6);
    }
};

} // namespace zt46

ZT46_GUI_TEST(ControlsTest)
#include "ControlsTest.moc"
