#pragma once
// Alignment > Align: reads the radio and takes it into alignment mode (the "Access Gauge" run), asks
// before the radio's data replace unsaved edits, runs the "Alignment" dialog over a session on the
// held port, and takes the values it stored into the document.

#include <QObject>
#include <functional>

class QWidget;

namespace zt46 {

class Document;
class PortHolder;
class TransferController;
class UserPrompts;

class AlignmentCommand : public QObject {
    Q_OBJECT
public:
    // Owned by (and its dialogs centred over) `owner`.
    AlignmentCommand(Document& document, TransferController& transfers, PortHolder& ports,
                     UserPrompts& prompts, QWidget* owner);

    // Called after every change of the document this command makes (the view redraws).
    void SetRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    // The whole command; true when the dialog ran.
    bool Run();

private:
    void Refresh();

    Document& m_doc;
    TransferController& m_transfers;
    PortHolder& m_ports;
    UserPrompts& m_prompts;
    QWidget* m_owner;
    std::function<void()> m_refresh;
};

} // namespace zt46
