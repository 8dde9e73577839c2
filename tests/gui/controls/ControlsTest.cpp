// The input controls, the prompt bar of dialogs and property sheets, and the password dialog, with real
// keys and clicks.

#include "gui/GuiTestSupport.h"
#include "gui/app/PasswordDialog.h"
#include "gui/controls/ConfirmEdit.h"
#include "gui/controls/PromptBarDialog.h"
#include "gui/controls/PromptBarPage.h"

namespace zt46 {
namespace {

// A sheet page that says whether it may be left, and counts its OKs.
class Page : public PromptBarPage {
public:
    explicit Page(bool leave) : edit(new QLineEdit(this)), m_leave(leave) {
        PromptBar::SetControlId(edit, 2421);
    }
    bool CanLeave() override { return m_leave; }
    void Apply() override { ++oks; }
    QLineEdit* edit;
    int oks = 0;

private:
    bool m_leave;
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    // The first Enter opens the edit, the second (on the keypad) takes it. (Typing into a filtered edit: the
    // grid's editor in ChannelTableViewTest and the offset field in SettingsSheetsTest.)
    void confirmEditEnterTwice() {
        ConfirmEdit edit;
        edit.setText("ABCDEF");
        edit.SetLengthLimit(4);
        QVERIFY(edit.Locked() && edit.isReadOnly());
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(!edit.Locked() && !edit.isReadOnly());
        QCOMPARE(edit.text(), QString("ABCD")); // starting an edit cuts to the limit
        QVERIFY(!edit.ModifiedMark());
        QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter does the same
        QVERIFY(edit.Locked() && edit.isReadOnly());
        QVERIFY(edit.ModifiedMark());
    }

    void passwordIsTypedInLowerCase() {
        PasswordDialog dialog;
        QTest::keyClicks(dialog.Field(), "KUMO-Hikari");
        QCOMPARE(dialog.Text(), QString("kumo-hikari"));
        QVERIFY(PasswordDialog::CheckPassword(Privilege::Normal) == Privilege::Normal); // asks nothing
    }

    void showPromptSplitsTheTwoLines_data() {
        QTest::addColumn<unsigned>("first");
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<QStringList>("shown"); // the prompt and the hint
        // 2421 has two lines, 1235 a different two; 80 one line; 7 no string at all; 0 blanks.
        const QStringList vfo{"Select VFO A/B (VFO A/VFO B)", "<SELECT>"};
        QTest::newRow("two lines") << 0u << 2421u << vfo;
        QTest::newRow("one line empties the hint")
            << 2421u << 80u << QStringList{"Problem with COM port", ""};
        QTest::newRow("unknown id keeps the prompt") << 2421u << 7u << vfo;
        QTest::newRow("zero blanks") << 1235u << 0u << QStringList{" ", " "};
    }
    void showPromptSplitsTheTwoLines() {
        QFETCH(unsigned, first);
        QFETCH(unsigned, id);
        PromptBarDialog dialog;
        dialog.ShowPrompt(first);
        QCOMPARE(dialog.ShowPrompt(id), first);
        QCOMPARE(dialog.LastMessageId(), id);
        QTEST(QStringList({dialog.Bar()->PromptText(), dialog.Bar()->HintText()}), "shown");
    }

    void sheetPromptsForTheFocusAndAsksThePageLeft() {
        PromptBarSheet sheet("Common", nullptr, 0);
        auto* stay = new Page(false);
        auto* other = new Page(true);
        sheet.AddPage(stay, "Page 1");
        sheet.AddPage(other, "Page 2");
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(other->Sheet(), &sheet);
        stay->edit->setFocus(); // the bar follows the focus
        QTRY_COMPARE(sheet.Bar()->HintText(), QString("<SELECT>"));
        // A page that refuses to be left keeps the sheet on it, for a click on a tab and for OK.
        QTabBar* tabs = sheet.Tabs()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(sheet.ActiveIndex(), 0);
        sheet.accept();
        QVERIFY(sheet.isVisible());
        QCOMPARE(stay->oks + other->oks, 0);
    }
};

} // namespace zt46

ZT46_GUI_TEST(ControlsTest)
#include "ControlsTest.moc"
