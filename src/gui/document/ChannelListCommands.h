#pragma once
// File > Import... and File > Export...: the document's channels out as a channel list (CSV) and a
// list's rows in, through the exchange library, with the desktop's dialogs and messages around it.

#include <QObject>
#include <QString>

#include "exchange/ListFormat.h"

class QWidget;

namespace zt46 {

class Document;
class UserPrompts;
struct ImportPlan;

class ChannelListCommands : public QObject {
    Q_OBJECT
public:
    // dialogParent: the window the dialogs are modal to (the main window), which also owns the commands.
    ChannelListCommands(Document& document, UserPrompts& prompts, QWidget* dialogParent = nullptr);

    // Writes the channels as a list of the format, whole or not at all; false after a failure, which has
    // been reported.
    bool ExportTo(const QString& path, ListFormat format);
    // Reads the list and shows the import dialog on it; a list that cannot be read is reported and
    // changes nothing. True when the dialog's OK applied rows.
    bool ImportFrom(const QString& path);
    // The one change an import makes to the document: the plan's channels, all of them, as one step.
    bool ApplyImportPlan(const ImportPlan& plan);

public slots:
    // Asks for a file name and a format (the name filter chosen), then ExportTo.
    bool Export();
    // Asks for the list file, then ImportFrom.
    bool Import();

signals:
    // The channel table changed: the grid shows it again.
    void ChannelsChanged();

private:
    QString SuggestedListPath() const;

    Document& m_document;
    UserPrompts& m_prompts;
    QWidget* m_dialogParent;
    QString m_lastFilter;
};

} // namespace zt46
