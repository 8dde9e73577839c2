#include "dialogs/CPromptPage.h"

#include "dialogs/CPtSheetS.h"

namespace zt46 {

CPtSheetS* CPromptPage::Sheet() const {
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* sheet = qobject_cast<CPtSheetS*>(w)) return sheet;
    }
    return nullptr;
}

void CPromptPage::ShowPrompt(unsigned id) {
    if (CPtSheetS* sheet = Sheet()) sheet->ShowPrompt(id);
}

} // namespace zt46
