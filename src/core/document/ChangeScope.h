#pragma once
// The one doorway for changes of the document: a scope opened before a user action writes the models
// into the image and keeps it; Commit writes them again and compares. A difference is one change record
// (however many bytes the action touched): ImageModified is set and the document's sink gets the record.
// Equal images record nothing, and a scope left without Commit (a cancelled dialog) records nothing.
//
//     ChangeScope change(document, "System settings");
//     if (dialog.exec() == QDialog::Accepted) change.Commit();
//
// or, for a dialog, RunAsChange below.
//
// A scope opened while another is open is part of the outer one: it records nothing itself.

#include <string>
#include <utility>

#include "core/document/ChangeRecord.h"

namespace zt46 {

class Document;

class ChangeScope {
public:
    // Where: the document's current group and channel, the column left to the grid.
    ChangeScope(Document& document, std::string label);
    ChangeScope(Document& document, std::string label, ChangePlace where);
    ~ChangeScope();
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

    // The label may depend on what the action did ("Paste MR 3 onto MR 7").
    void SetLabel(std::string label) { m_label = std::move(label); }
    // Ends the change; true when it changed the image or the trailer and was recorded.
    bool Commit();

private:
    void Close();

    Document& m_doc;
    std::string m_label;
    ChangePlace m_where;
    CloneImage m_before{};
    ImageTrailer m_trailerBefore{};
    bool m_outer = false;
    bool m_open = true;
};

// Runs a dialog as one change, recorded only when `run` returns true (OK). The scope opens before `run`
// makes the dialog (and writes the models into the image), so what the dialog corrects when it loads
// belongs to the change that OK makes.
template <typename Run> bool RunAsChange(Document& document, std::string label, Run run) {
    ChangeScope change(document, std::move(label));
    const bool accepted = run();
    if (accepted) change.Commit();
    return accepted;
}

} // namespace zt46
