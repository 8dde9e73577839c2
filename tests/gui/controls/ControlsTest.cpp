// The input controls and small dialogs with real keys and clicks.

#include <QDialog>
#include <QVBoxLayout>

#include "gui/GuiTestSupport.h"
#include "gui/app/PasswordDialog.h"
#include "gui/controls/ConfirmEdit.h"

namespace zt46 {

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void filterEditTyping_data() {
        QTest::addColumn<EditFilter>("kind");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refused");
        QTest::addRow("tag keeps marks, in capitals") << EditFilter::Tag << true << "a_b:1"
                                                      << "A_B:1" << 0;
        QTest::addRow("frequency drops letters") << EditFilter::Frequency << false << "1a2b"
                                                 << "12" << 2;
    }
    void filterEditTyping() {
        QFETCH(EditFilter, kind);
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

    void confirmEditEnterTwice() {
        ConfirmEdit edit;
        edit.setText("ABCDEF");
        edit.SetLengthLimit(4);
        QVERIFY(edit.Locked() && edit.isReadOnly());
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(!edit.Locked() && !edit.isReadOnly());
        QCOMPARE(edit.CurrentLook(), ColorEdit::Look::Editing);
        QCOMPARE(edit.text(), QString("ABCD")); // starting an edit cuts to the limit
        QVERIFY(!edit.ModifiedMark());
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(edit.Locked() && edit.isReadOnly());
        QVERIFY(edit.ModifiedMark());
        QCOMPARE(edit.CurrentLook(), ColorEdit::Look::Shown);
    }

    void filterConfirmEditTypingAndEscape() {
        FilterConfirmEdit edit;
        edit.SetFilterKind(ConfirmFilter::DigitsSpace);
        edit.SetLengthLimit(3);
        edit.setText("12");
        QTest::keyClick(&edit, 'a'); // refused: stays shown
        QVERIFY(edit.Locked());
        QTest::keyClick(&edit, '5');
        QVERIFY(!edit.Locked());
        QCOMPARE(edit.text(), QString("5"));
        QTest::keyClick(&edit, Qt::Key_Escape);
        QCOMPARE(edit.text(), QString("12"));
        QVERIFY(edit.Locked());
        QVERIFY(!edit.ModifiedMark());
        QTest::keyClick(&edit, '7');
        QTest::keyClick(&edit, '8');
        QTest::keyClick(&edit, Qt::Key_Enter);
        QCOMPARE(edit.text(), QString("78"));
        QVERIFY(edit.ModifiedMark());
    }

    void enterOpensTheComboList() {
        QDialog dialog;
        auto* combo = new EnterComboBox(&dialog);
        combo->addItems({"COM 1", "COM 2"});
        auto* ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(combo);
        layout->addWidget(ok);
        int pressed = 0;
        connect(ok, &QPushButton::clicked, this, [&pressed] { ++pressed; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_VERIFY(combo->view()->isVisible());
        QCOMPARE(pressed, 0);
        QVERIFY(dialog.isVisible());
        combo->hidePopup();
    }

    void passwordIsTypedInLowerCase() {
        PasswordDialog dialog;
        QCOMPARE(dialog.Field()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog.Field(), "KUMO-Hikari");
        QCOMPARE(dialog.Text(), QString("kumo-hikari"));
        QVERIFY(PasswordDialog::CheckPassword(Privilege::Normal) == Privilege::Normal); // asks nothing
    }
};

} // namespace zt46

ZT46_GUI_TEST(ControlsTest)
#include "ControlsTest.moc"
