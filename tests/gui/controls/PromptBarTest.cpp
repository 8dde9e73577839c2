// The prompt bar of dialogs and property sheets.
#include <QVBoxLayout>

#include "gui/GuiTestSupport.h"
#include "gui/controls/PromptBarDialog.h"
#include "gui/controls/PromptBarPage.h"

namespace zt46 {
namespace {

class Page : public PromptBarPage {
public:
    explicit Page(bool leave) : m_leave(leave) {
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        PromptBar::SetControlId(edit, 2421);
        layout->addWidget(edit);
    }
    bool CanLeave() override { return m_leave; }
    void Apply() override { ++oks; }
    QLineEdit* edit;
    int oks = 0;

private:
    bool m_leave;
};

} // namespace

class PromptBarTest : public QObject {
    Q_OBJECT

private slots:
    void showPromptSplitsTheTwoLines_data() {
        QTest::addColumn<unsigned>("first");
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        // 2421 has two lines, 1235 a different two; 80 one line; 7 no string at all; 0 blanks.
        QTest::newRow("two lines") << 0u << 2421u << "Select VFO A/B (VFO A/VFO B)"
                                   << "<SELECT>";
        QTest::newRow("one line empties the hint") << 2421u << 80u << "Problem with COM port"
                                                   << "";
        QTest::newRow("unknown id keeps the prompt") << 2421u << 7u << "Select VFO A/B (VFO A/VFO B)"
                                                     << "<SELECT>";
        QTest::newRow("zero blanks") << 1235u << 0u << " "
                                     << " ";
    }
    void showPromptSplitsTheTwoLines() {
        QFETCH(unsigned, first);
        QFETCH(unsigned, id);
        PromptBarDialog dialog;
        QCOMPARE(dialog.Bar()->PromptText(), QString(" ")); // starts blank
        QCOMPARE(dialog.Bar()->HintText(), QString());
        dialog.ShowPrompt(first);
        QCOMPARE(dialog.ShowPrompt(id), first);
        QCOMPARE(dialog.LastMessageId(), id);
        QTEST(dialog.Bar()->PromptText(), "text");
        QTEST(dialog.Bar()->HintText(), "hint");
    }

    void barFollowsFocus() {
        PromptBarDialog dialog;
        auto* layout = new QVBoxLayout(dialog.Body());
        auto* edit = new QLineEdit(dialog.Body());
        auto* button = new QPushButton("OK", dialog.Body());
        layout->addWidget(edit);
        layout->addWidget(button);
        PromptBarDialog::SetControlId(edit, 1235);
        PromptBarDialog::SetControlId(button, 2421);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        edit->setFocus();
        QTRY_COMPARE(dialog.Bar()->HintText(), QString("<ENTER>"));
        button->setFocus(); // buttons prompt too
        QTRY_COMPARE(dialog.Bar()->HintText(), QString("<SELECT>"));
    }

    void sheetHasOnlyOkAndCancelAndAsksThePageLeft() {
        PromptBarSheet sheet("Common", nullptr, 0);
        auto* stay = new Page(false);
        auto* other = new Page(true);
        sheet.AddPage(stay, "Page 1");
        sheet.AddPage(other, "Page 2");
        QCOMPARE(sheet.findChild<QDialogButtonBox*>()->buttons().size(), 2);
        QCOMPARE(sheet.findChild<QDialogButtonBox*>()->standardButtons(),
                 QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QCOMPARE(other->Sheet(), &sheet);
        stay->edit->setFocus();
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

ZT46_GUI_TEST(PromptBarTest)
#include "PromptBarTest.moc"
