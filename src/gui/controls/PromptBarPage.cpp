#include "gui/controls/PromptBarPage.h"

#include "gui/controls/PromptBarSheet.h"

namespace zt46 {

PromptBarSheet* PromptBarPage::Sheet() const {
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* sheet = qobject_cast<PromptBarSheet*>(w)) return sheet;
    }
    return nullptr;
}

void PromptBarPage::ShowPrompt(unsigned id) {
    if (PromptBarSheet* sheet = Sheet()) sheet->ShowPrompt(id);
}

void PromptBarPage::ShowNote(const QString& text) {
    constexpr int kNoteMs = 5000;
    if (PromptBarSheet* sheet = Sheet(); sheet && !text.isEmpty()) sheet->Bar()->showMessage(text, kNoteMs);
}

} // namespace zt46
