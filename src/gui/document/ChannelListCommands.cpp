#include "gui/document/ChannelListCommands.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "core/document/Document.h"
#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "exchange/ChannelList.h"
#include "exchange/ImportPlan.h"
#include "exchange/ListExport.h"
#include "gui/document/ImportDialog.h"

namespace zt46 {
namespace {

constexpr char kZt46Filter[] = "ZT46 channel list (*.csv)";
constexpr char kGenericFilter[] = "Generic channel list (*.csv)";

void Refuse(UserPrompts& prompts, const char* caption, const std::string& text) {
    prompts.Show(Prompt{0, text, Buttons::Ok, Icon::Stop, caption});
}

} // namespace

ChannelListCommands::ChannelListCommands(Document& document, UserPrompts& prompts, QWidget* dialogParent)
    : QObject(dialogParent), m_document(document), m_prompts(prompts), m_dialogParent(dialogParent),
      m_lastFilter(kZt46Filter) {}

bool ChannelListCommands::ExportTo(const QString& path, ListFormat format) {
    const std::optional<std::string> text = ExportList(m_document, format);
    if (!text) return false;
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_prompts.Show(
            Prompt{IDS_CREATE_FILE_ERROR,
                   FormatString(IDS_CREATE_FILE_ERROR, shown) + "\r\n" + file.errorString().toStdString(),
                   Buttons::Ok, Icon::Stop, "Export"});
        return false;
    }
    file.write(text->data(), static_cast<qint64>(text->size()));
    if (!file.commit()) {
        m_prompts.Show(Prompt{IDS_WRITE_FILE_ERROR,
                              FormatString(IDS_WRITE_FILE_ERROR) + "\r\n" + shown + "\r\n" +
                                  file.errorString().toStdString(),
                              Buttons::Ok, Icon::Stop, "Export"});
        return false;
    }
    return true;
}

bool ChannelListCommands::Export() {
    QFileDialog dialog(m_dialogParent, QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kZt46Filter, kGenericFilter});
    dialog.selectNameFilter(m_lastFilter);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(SuggestedListPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    m_lastFilter = dialog.selectedNameFilter();
    const ListFormat format = m_lastFilter == kGenericFilter ? ListFormat::Generic : ListFormat::Zt46;
    return ExportTo(dialog.selectedFiles().first(), format);
}

bool ChannelListCommands::Import() {
    QFileDialog dialog(m_dialogParent, QStringLiteral("Import"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Channel lists (*.csv *.txt)"), QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return ImportFrom(dialog.selectedFiles().first());
}

bool ChannelListCommands::ImportFrom(const QString& path) {
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    ListResult<std::string> bytes = ReadListBytes(QFile::encodeName(path).toStdString());
    if (const auto* error = std::get_if<ListError>(&bytes)) {
        // "cannot open" names the file already.
        Refuse(m_prompts, "Import",
               (error->kind == ListErrorKind::Unreadable ? "" : name + "\r\n") + error->Text());
        return false;
    }
    // A list that is wrong whatever the options gets its message here; an airport list without its
    // airports opens the dialog, where they are named.
    const ListResult<ChannelList> first = ReadChannelList(std::get<std::string>(bytes), {});
    if (const auto* error = std::get_if<ListError>(&first)) {
        if (error->kind != ListErrorKind::NoAirports) {
            Refuse(m_prompts, "Import", name + "\r\n" + error->Text());
            return false;
        }
    }
    ImportDialog dialog(m_document, std::move(std::get<std::string>(bytes)), path, m_dialogParent);
    if (dialog.exec() != QDialog::Accepted || !dialog.Plan()) return false;
    return ApplyImportPlan(*dialog.Plan());
}

bool ChannelListCommands::ApplyImportPlan(const ImportPlan& plan) {
    switch (ApplyImport(m_document, plan)) {
    case ApplyStatus::Applied:
        emit ChannelsChanged();
        return true;
    case ApplyStatus::NothingToApply:
        return false;
    case ApplyStatus::Stale:
        break;
    }
    Refuse(m_prompts, "Import", "The channels changed after the preview was made; nothing was imported.");
    return false;
}

QString ChannelListCommands::SuggestedListPath() const {
    const std::string& current = m_document.CurrentFileName();
    if (current.empty() || current == kNoFileName)
        return QDir::current().filePath(QStringLiteral("channels.csv"));
    const QFileInfo info(QString::fromStdString(current));
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
}

} // namespace zt46
