#include "gui/document/GuiFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace zt46 {
namespace {

constexpr char kFilter[] = "ZT46 Files(*.T46)";

} // namespace

std::optional<std::string> GuiFileDialogs::AskOpenPath() {
    QFileDialog dialog(m_owner, "Open", QString(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("T46");
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> GuiFileDialogs::AskSavePath(const std::string& currentName) {
    QFileDialog dialog(m_owner, "Save As", QString(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("T46");
    if (currentName != kNoFileName) dialog.selectFile(QString::fromStdString(currentName));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString path = dialog.selectedFiles().first();
        // The dialog has asked about overwriting; a new file is confirmed here.
        if (!QFileInfo::exists(path) &&
            QMessageBox::question(m_owner, "Save As",
                                  QString("%1\nThis file does not exist.\nDo you want to create it?")
                                      .arg(QFileInfo(path).fileName())) != QMessageBox::Yes) {
            continue;
        }
        return path.toStdString();
    }
}

} // namespace zt46
