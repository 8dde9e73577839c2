#include "settings/SettingsCommands.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "app/CommandIds.h"
#include "dialogs/CPtSheetS.h"
#include "document/Document.h"
#include "settings/CCmVFOPage1.h"
#include "settings/CCmVFOPage2.h"
#include "settings/CComPage1.h"
#include "settings/CComPage2.h"
#include "settings/CComPage3.h"
#include "settings/CSystemParamDlg.h"
#include "settings/SettingsForm.h"

namespace zt46 {
namespace {

struct SheetPage {
    CPromptPage* page;
    SettingsForm* form;
    QString title;
};

// Tab goes through the shown page's controls, then OK and Cancel, then the tabs (the hidden pages'
// controls are skipped). The pages share one label column.
std::unique_ptr<CPtSheetS> MakeSheet(const QString& caption, int command, const std::vector<SheetPage>& pages,
                                     QWidget* parent) {
    auto sheet = std::make_unique<CPtSheetS>(caption, parent);
    sheet->setProperty("helpContext", cmd::HelpOfCommand(command)); // F1: the command's help topic
    QWidget* previous = sheet->Tabs()->tabBar();
    for (const SheetPage& p : pages) {
        sheet->AddPage(p.page, p.title);
        for (QWidget* control : p.form->Controls()) {
            QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
    if (auto* buttons = sheet->findChild<QDialogButtonBox*>(QStringLiteral("sheetButtons"))) {
        for (QAbstractButton* button : buttons->buttons()) {
            QWidget::setTabOrder(previous, button);
            previous = button;
        }
    }
    int labelWidth = 0;
    for (const SheetPage& p : pages)
        labelWidth = std::max(labelWidth, p.form->LabelColumnWidth());
    for (const SheetPage& p : pages)
        p.form->SetLabelColumnWidth(labelWidth);
    return sheet;
}

} // namespace

std::unique_ptr<CPtSheetS> MakeCommonSheet(Document& document, QWidget* parent) {
    auto* page1 = new CComPage1(document);
    auto* page2 = new CComPage2(document);
    auto* page3 = new CComPage3(document);
    return MakeSheet(QStringLiteral("Common"), cmd::kCommon,
                     {{page1, page1->Form(), QStringLiteral("Display && Sound")},
                      {page2, page2->Form(), QStringLiteral("TX/RX")},
                      {page3, page3->Form(), QStringLiteral("Key Set/Misc")}},
                     parent);
}

std::unique_ptr<CPtSheetS> MakeVfoSheet(Document& document, QWidget* parent) {
    auto* pageA = new CCmVFOPage1(document);
    auto* pageB = new CCmVFOPage2(document);
    return MakeSheet(
        QStringLiteral("VFO"), cmd::kVfo,
        {{pageA, pageA->Form(), QStringLiteral("VFO A")}, {pageB, pageB->Form(), QStringLiteral("VFO B")}},
        parent);
}

bool RunSystemParams(Document& document, bool privileged, QWidget* parent) {
    document.ModelsToImage();
    CSystemParamDlg dialog(document, privileged, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RunCommonSheet(Document& document, QWidget* parent) {
    document.ModelsToImage();
    return MakeCommonSheet(document, parent)->exec() == QDialog::Accepted;
}

bool RunVfoSheet(Document& document, QWidget* parent) {
    document.ModelsToImage();
    return MakeVfoSheet(document, parent)->exec() == QDialog::Accepted;
}

} // namespace zt46
