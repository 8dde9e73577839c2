#include "gui/alignment/AlignmentCommand.h"

#include <optional>

#include "core/alignment/AlignmentModel.h"
#include "core/document/Document.h"
#include "core/editor/EditTexts.h"
#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "gui/alignment/AlignmentDialog.h"
#include "gui/alignment/AlignmentSession.h"
#include "gui/link/PortHolder.h"
#include "gui/link/TransferController.h"
#include "link/SerialAlignmentRadio.h"

namespace zt46 {

AlignmentCommand::AlignmentCommand(Document& document, TransferController& transfers, PortHolder& ports,
                                   UserPrompts& prompts, QWidget* owner)
    : QObject(owner), m_doc(document), m_transfers(transfers), m_ports(ports), m_prompts(prompts),
      m_owner(owner) {}

void AlignmentCommand::Refresh() {
    if (m_refresh) m_refresh();
}

bool AlignmentCommand::Run() {
    if (!AlignmentModel::CanStart(m_doc.Channels())) return false;
    m_doc.ModelsToImage();
    const CloneImage before = m_doc.Image();
    const bool modified = m_doc.ImageModified();

    const bool entered = m_transfers.EnterAlignment();
    // A copy: the read-back after the alignment is a run of its own.
    const TransferResult entry = m_transfers.LastResult();
    // The radio's data replace the document only when the radio is in alignment mode and, over unsaved
    // edits, only when the user agrees; otherwise the document stays as it was (with the radio's
    // firmware version, as after any read of the radio).
    bool take = entered;
    if (entered && modified)
        take = MessageById(m_prompts, IDS_OVERWRITE_DATA, Buttons::YesNo, Icon::Question) == Answer::Yes;
    if (!take) {
        if (entry.imageTaken) {
            m_doc.Image() = before;
            KeepRadioFirmware(m_doc.Image(), entry);
            m_doc.ImageToModels();
            Refresh();
        }
        if (entered) {
            // The radio is in alignment mode: take it out again.
            SerialAlignmentRadio radio(*m_ports.Port());
            radio.LeaveAlignment();
            m_transfers.EndAlignment();
        }
        return false;
    }
    m_doc.TakeRadioImage(m_doc.Image()); // the document names no file now, and its history starts again
    Refresh();

    CloneImage stored;
    bool accepted = false;
    std::optional<CloneImage> written; // what the radio should hold after the words it took
    {
        AlignmentSession session(m_doc.Channels(), m_doc.Image(), *m_ports.Port());
        AlignmentDialog dialog(session, m_prompts, m_owner);
        accepted = dialog.exec() == QDialog::Accepted;
        // Unkeys and leaves alignment mode if the dialog could not (the program is ending).
        session.Shutdown();
        stored = session.Image();
        if (!session.Writes().Empty()) written = session.Writes().Applied(entry.image);
    }
    // The values OK stored are one change of the radio's image as read; Esc gives none.
    if (accepted && stored != m_doc.Image()) {
        m_doc.Change(kAlignmentValuesLabel, m_doc.CurrentPlace(), [&] {
            m_doc.Image() = stored;
            m_doc.ImageToModels();
        });
    } else {
        m_doc.ImageToModels();
    }
    Refresh();
    // OK has taken the radio out of alignment mode: it answers a read at once, and is checked against
    // what was written into it.
    if (accepted && written && m_transfers.VerifyAfterWriting())
        m_transfers.VerifyRadio(*written, entry.backupPath);
    m_transfers.EndAlignment();
    return true;
}

} // namespace zt46
