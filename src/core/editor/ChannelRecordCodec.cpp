#include "core/editor/ChannelRecordCodec.h"

#include "core/image/Fields.h"
#include "core/util/Frequency.h"

namespace zt46 {

namespace r = fields::record;

namespace {

int RxGridFlag(const ChannelEntry& e) {
    return ShownMode(e.Mode) == kModeFm ? e.RxGrid625Fm : e.RxGrid833;
}

double CutToKilohertz(std::int32_t hz) {
    return (hz / 1000) / 1000.0;
}

} // namespace

void DecodeRecord(const std::uint8_t* rec, RecordKind kind, const BandContext& band, ChannelEntry& e) {
    e.Mode = static_cast<int>(GetField(rec, r::Mode));
    e.AmStep = static_cast<int>(GetField(rec, r::AmStep));
    e.FmStep = static_cast<int>(GetField(rec, r::FmStep));
    e.RxGrid833 = static_cast<int>(GetField(rec, r::RxGrid833));
    e.RxGrid625Fm = static_cast<int>(GetField(rec, r::RxGrid625Fm));
    e.TxGrid833 = static_cast<int>(GetField(rec, r::TxGrid833));
    e.ClockShift = static_cast<int>(GetField(rec, r::ClockShift));
    e.TagDisplay = static_cast<int>(GetField(rec, r::TagDisplay));
    e.Scan = static_cast<int>(GetField(rec, r::Scan));
    e.Split = static_cast<int>(GetField(rec, r::Split));
    for (int i = 0; i < 8; ++i)
        e.TagCodes[i] = rec[r::TagOffset + i];
    e.Tag = DecodeTag(&rec[r::TagOffset]);

    e.RxHz = DecodeRxFreq(e.Mode, RxGridFlag(e), rec[r::RxFreqOffset], rec[r::RxFreqOffset + 1]);
    e.RxDisplay = CutToKilohertz(e.RxHz);
    e.TxHz = DecodeTxFreq(e.Split, e.TxGrid833, e.RxHz, rec[r::TxFreqOffset], rec[r::TxFreqOffset + 1]);
    e.TxDisplay = CutToKilohertz(e.TxHz);

    if (kind != RecordKind::Weather) {
        double mhz = HzToMHz(e.RxHz);
        const int mode = kind == RecordKind::Vfo ? SnapVfoFrequency(e, band, mhz, e.RxDisplay)
                                                 : SnapReceiveFrequency(e, band, mhz, e.RxDisplay);
        if (mode != e.Mode) {
            // The mode follows the frequency; the reset's own snap gives both RxHz and RxDisplay.
            e.Mode = mode;
            ResetForMode(e, band);
        } else {
            e.RxHz = MHzToHz(mhz);
        }
    }
    if (!SplitAllowedAt(e.RxHz) || e.Mode == kModeWx) e.Split = 0;
    SnapEntryTransmit(e, band);
}

void EncodeRecord(const ChannelEntry& entry, RecordKind kind, const BandContext& band, std::uint8_t* rec) {
    ChannelEntry e = entry;
    if (kind != RecordKind::Weather) {
        double mhz = HzToMHz(e.RxHz);
        double shown = e.RxDisplay;
        SnapReceiveFrequency(e, band, mhz, shown);
        e.RxHz = MHzToHz(mhz);
    }
    SnapEntryTransmit(e, band);

    SetField(rec, r::Mode, static_cast<unsigned>(e.Mode));
    SetField(rec, r::AmStep, static_cast<unsigned>(e.AmStep));
    SetField(rec, r::FmStep, static_cast<unsigned>(e.FmStep));
    SetField(rec, r::RxGrid833, static_cast<unsigned>(e.RxGrid833));
    SetField(rec, r::RxGrid625Fm, static_cast<unsigned>(e.RxGrid625Fm));
    SetField(rec, r::TxGrid833, static_cast<unsigned>(e.TxGrid833));
    SetField(rec, r::ClockShift, static_cast<unsigned>(e.ClockShift));
    SetField(rec, r::TagDisplay, static_cast<unsigned>(e.TagDisplay));
    SetField(rec, r::Scan, static_cast<unsigned>(e.Scan));
    SetField(rec, r::Split, static_cast<unsigned>(e.Split));
    const TagCodeArray codes = EncodeTag(e.Tag, e.TagCodes);
    for (int i = 0; i < 8; ++i)
        rec[r::TagOffset + i] = codes[i];
    WriteBe16(&rec[r::RxFreqOffset], EncodeRxFreq(e.Mode, RxGridFlag(e), e.RxHz));
    WriteBe16(&rec[r::TxFreqOffset], EncodeTxFreq(e.TxGrid833, e.TxHz));
}

} // namespace zt46
