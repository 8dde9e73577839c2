// The prompt bar of dialogs and property sheets, and the Configuration dialog's port choice.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include "TestClasses.h"
#include "gui/app/AppState.h"
#include "gui/controls/PromptBarDialog.h"
#include "gui/controls/PromptBarPage.h"
#include "gui/controls/PromptBarSheet.h"
#include "gui/link/PortConfigurationDialog.h"

namespace zt46::test {
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

void PromptBarTest::ShowPromptSplitsTheTwoLines_data() {
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

void PromptBarTest::ShowPromptSplitsTheTwoLines() {
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

void PromptBarTest::BarSitsBelowTheControlsAndFollowsFocus() {
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
    // The bar is added below the controls: nothing of the body lies under it.
    QVERIFY(dialog.Bar()->geometry().top() >= dialog.Body()->geometry().bottom());
    QVERIFY(dialog.height() >= dialog.Body()->height() + dialog.Bar()->height());
    edit->setFocus();
    QTRY_COMPARE(dialog.Bar()->HintText(), QString("<ENTER>"));
    button->setFocus(); // buttons prompt too
    QTRY_COMPARE(dialog.Bar()->HintText(), QString("<SELECT>"));
}

void PromptBarTest::SheetHasOnlyOkAndCancelAndAsksThePageLeft() {
    PromptBarSheet sheet("Common", nullptr, 0);
    auto* stay = new Page(false);
    auto* other = new Page(true);
    sheet.AddPage(stay, "Page 1");
    sheet.AddPage(other, "Page 2");
    const auto buttons = sheet.findChild<QDialogButtonBox*>()->buttons();
    QCOMPARE(buttons.size(), 2);
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

void PromptBarTest::ConfigurationDialogOpensOnTheChosenPort() {
    AppState state;
    state.ComPort = 16;
    state.PortType = PortKind::InterfaceUnit;
    {
        PortConfigurationDialog dialog(state);
        QCOMPARE(dialog.PortBox()->currentText(), QString("COM 16"));
        QVERIFY(dialog.InterfaceBox()->isChecked());
        QCOMPARE(dialog.PortBox()->itemText(0), QString("COM 1"));
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

void PromptBarTest::EnterInThePortBoxDoesNotClose() {
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

} // namespace zt46::test
