#include "core/settings/VfoPageModel.h"

#include "core/document/Document.h"

namespace zt46 {

std::vector<std::string_view> VfoComboItems(VfoCombo combo) {
    switch (combo) {
    case VfoCombo::Mode:
        return {"AM", "FM"};
    case VfoCombo::Split:
        return {"Simplex", "Split"};
    case VfoCombo::AmStep:
        return {"8.33k", "25k"};
    case VfoCombo::FmStep:
        return {"5k", "10k", "12.5k", "15k", "20k", "25k", "50k"};
    case VfoCombo::ClockShift:
        return {"On", "Off"};
    }
    return {};
}

const char* VfoComboLabel(VfoCombo combo) {
    switch (combo) {
    case VfoCombo::Mode:
        return "&Mode(FM/AM)";
    case VfoCombo::Split:
        return "&Split";
    case VfoCombo::AmStep:
        return "&AM Step";
    case VfoCombo::FmStep:
        return "&FM Step";
    case VfoCombo::ClockShift:
        return "&Clock Shift";
    }
    return "";
}

VfoPageModel::VfoPageModel(Document& document, std::size_t recordOffset)
    : m_document(document), m_vfo(recordOffset) {}

void VfoPageModel::Start() {
    m_vfo.Load(m_document.Image(), m_document.Bands());
    m_started = true;
}

VfoControlStates VfoPageModel::States() const {
    const ChannelEntry& e = m_vfo.Entry();
    VfoControlStates s;
    if (e.Mode != kModeAm) {
        s.fmStep = true;
    } else if (SplitAllowedAt(e.RxHz)) {
        s.split = true;
        s.amStep = true;
        s.txEdit = e.Split == 1;
    } else {
        s.amStep = true;
    }
    return s;
}

int VfoPageModel::Value(VfoCombo combo) const {
    const ChannelEntry& e = m_vfo.Entry();
    switch (combo) {
    case VfoCombo::Mode:
        return e.Mode;
    case VfoCombo::Split:
        return e.Split;
    case VfoCombo::AmStep:
        return e.AmStep;
    case VfoCombo::FmStep:
        return e.FmStep;
    case VfoCombo::ClockShift:
        return e.ClockShift;
    }
    return 0;
}

void VfoPageModel::Select(VfoCombo combo, int index) {
    if (combo == VfoCombo::Mode || index < 0) return;
    ChannelEntry& e = m_vfo.Entry();
    const BandContext band = m_document.Bands();
    switch (combo) {
    case VfoCombo::Split:
        e.Split = index;
        break;
    case VfoCombo::AmStep:
        e.AmStep = index;
        ApplyAmStepGrids(e);
        SnapEntryReceive(e, band); // the mode it returns is not applied
        if (e.Split == 1) SnapEntryTransmit(e, band);
        break;
    case VfoCombo::FmStep:
        e.FmStep = index;
        ApplyFmStepGrid(e);
        SnapEntryReceive(e, band);
        break;
    case VfoCombo::ClockShift:
        e.ClockShift = index;
        break;
    case VfoCombo::Mode:
        break;
    }
}

std::string VfoPageModel::CommitRx(std::string_view text) {
    if (text == m_vfo.RxText()) return {};
    return m_vfo.SetRxText(text, m_document.Bands());
}

std::string VfoPageModel::CommitTx(std::string_view text) {
    if (text == m_vfo.TxText()) return {};
    return m_vfo.SetTxText(text, m_document.Bands());
}

void VfoPageModel::Accept() {
    if (!m_started) return;
    m_vfo.Store(m_document.Image(), m_document.Bands());
}

} // namespace zt46
