#include "gui/settings/SettingsCommands.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "core/document/ChangeScope.h"
#include "core/document/Document.h"
#include "core/editor/EditTexts.h"
#include "gui/app/CommandIds.h"
#include "gui/controls/PromptBarSheet.h"
#include "gui/settings/DisplaySoundPage.h"
#include "gui/settings/KeysMiscPage.h"
#include "gui/settings/SettingsForm.h"
#include "gui/settings/SystemSettingsDialog.h"
#include "gui/settings/TransmitReceivePage.h"
#include "gui/settings/VfoPage.h"

namespace zt46 {
namespace {

struct SheetPage {
    PromptBarPage* page;
    SettingsForm* form;
    QString title;
    int dialogId; // its help topic is the dialog's
};

// Tab goes through the shown page's controls, then OK and Cancel, then the tabs (the hidden pages'
// controls are skipped). The pages share one label column.
std::unique_ptr<PromptBarSheet> MakeSheet(const QString& caption, const std::vector<SheetPage>& pages,
                                          QWidget* parent) {
    auto sheet = std::make_unique<PromptBarSheet>(caption, parent);
    // F1: the page's help topic; outside the pages (tabs, OK, Cancel), the shown page's.
    sheet->setProperty("helpContext", cmd::HelpOfDialog(pages.front().dialogId));
    QObject::connect(
        sheet->Tabs(), &QTabWidget::currentChanged, sheet.get(), [sheet = sheet.get(), pages](int i) {
            if (i >= 0 && i < static_cast<int>(pages.size()))
                sheet->setProperty("helpContext",
                                   cmd::HelpOfDialog(pages[static_cast<std::size_t>(i)].dialogId));
        });
    QWidget* previous = sheet->Tabs()->tabBar();
    for (const SheetPage& p : pages) {
        p.page->setProperty("helpContext", cmd::HelpOfDialog(p.dialogId));
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

std::unique_ptr<PromptBarSheet> MakeCommonSheet(Document& document, QWidget* parent) {
    auto* page1 = new DisplaySoundPage(document);
    auto* page2 = new TransmitReceivePage(document);
    auto* page3 = new KeysMiscPage(document);
    return MakeSheet(QStringLiteral("Common"),
                     {{page1, page1->Form(), QStringLiteral("Display && Sound"), cmd::kDisplaySoundPage},
                      {page2, page2->Form(), QStringLiteral("TX/RX"), cmd::kTxRxPage},
                      {page3, page3->Form(), QStringLiteral("Key Set/Misc"), cmd::kKeysMiscPage}},
                     parent);
}

std::unique_ptr<PromptBarSheet> MakeVfoSheet(Document& document, QWidget* parent) {
    auto* pageA = new VfoPage(document, kVfoAIds, kVfoAOffset);
    auto* pageB = new VfoPage(document, kVfoBIds, kVfoBOffset);
    return MakeSheet(QStringLiteral("VFO"),
                     {{pageA, pageA->Form(), QStringLiteral("VFO A"), cmd::kVfoAPage},
                      {pageB, pageB->Form(), QStringLiteral("VFO B"), cmd::kVfoBPage}},
                     parent);
}

bool RunSystemParams(Document& document, bool privileged, QWidget* parent) {
    return RunAsChange(document, kSystemSettingsLabel, [&] {
        return SystemSettingsDialog(document, privileged, parent).exec() == QDialog::Accepted;
    });
}

bool RunCommonSheet(Document& document, QWidget* parent) {
    return RunAsChange(document, kCommonSettingsLabel,
                       [&] { return MakeCommonSheet(document, parent)->exec() == QDialog::Accepted; });
}

bool RunVfoSheet(Document& document, QWidget* parent) {
    return RunAsChange(document, kVfoSettingsLabel,
                       [&] { return MakeVfoSheet(document, parent)->exec() == QDialog::Accepted; });
}

} // namespace zt46
