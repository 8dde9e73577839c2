#pragma once
// The alignment values of the radio and the steps that adjust them: test channel selection, measured
// values (squelch, signal strength, VOR bearing), driven levels with the transmitter keyed, and typed
// values, each written into the radio's alignment memory and kept for the image.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alignment/AlignmentRadio.h"
#include "core/image/CloneImage.h"

namespace zt46 {

class ChannelTable;
struct ChannelEntry;

constexpr int kAlignSlotCount = 16;
constexpr int kFirstAdjButtonId = 5525;  // slots 0..11
constexpr int kFirstValueFieldId = 2850; // slots 0..11
constexpr int kFirstValueEditId = 5571;  // slots 12..15 (5571 + slot - 12)

enum class AlignSlotKind { Measured, Driven, Typed, Shown };

struct AlignSlot {
    const char* label;
    AlignSlotKind kind;
    int imageByte;      // -1: not in the image (VOR angle)
    std::uint16_t word; // 0: no radio word
    int part;           // 0 first byte, 1 second byte, 2/3 low/high nibble of the first, 4 low of the second
    int minimum, maximum;
    std::uint8_t liveCommand; // driven slots: the live command; 0 otherwise
    bool keyed;               // driven with the transmitter keyed
};

const AlignSlot& AlignSlotInfo(int slot);

// The RX tune frequencies in the image: four bytes each, most significant first, in tens of hertz.
constexpr std::size_t kRxTuneLowOffset = 82;
constexpr std::size_t kRxTuneHighOffset = 88;
std::uint32_t ReadBe32(const CloneImage& image, std::size_t at);

// The band whose squelch a slot sets: AM for 0, 1 and 12, FM for 2, 3 and 13, none for the others.
enum class SquelchBand { None, Am, Fm };
SquelchBand SquelchBandOf(int slot);

struct AlignValues {
    int AmThresholdSquelch = 0, AmTightSquelch = 0, FmThresholdSquelch = 0, FmTightSquelch = 0;
    int FmSquelchHysteresis = 0, AmSquelchHysteresis = 0;
    int TxPowerLevel = 0, ModLevel = 0, ReferenceTuneLevel = 0, VorLevel = 0, VorHysteresis = 0;
    int VorDegreeAdjustment = 0, VorAngle = 0, SidetoneLevel = 0;
    int RxTuneLowFrequency = 0, RxTuneLowLevel = 0, RxTuneHighFrequency = 0, RxTuneHighLevel = 0;
};

class AlignmentModel {
public:
    AlignmentModel(ChannelTable& channels, CloneImage& image, AlignmentRadio& radio);

    // A channel is offered when it is an MR channel in use that is not in WX mode.
    static bool Listable(const ChannelEntry& entry, int index);
    // Whether alignment may start: the Weather group is not shown and some MR channel can serve as a
    // test channel.
    static bool CanStart(const ChannelTable& channels);
    // The channel list: "%2d" of each offered channel's number, and their indexes.
    std::vector<std::string> ChannelItems() const;

    void LoadFromImage();
    void StoreToImage();

    // Selects the test channel at a list position on the radio; the values go into the image first
    // when some were written, then come from it again.
    bool SelectChannel(int position);
    // ADJ of a measured slot (0..3, 7, 8). A reading that cannot be had changes nothing.
    bool Measure(int slot);
    // Parses, clamps and writes a value into its radio word; the model keeps it only when the radio took it.
    bool CommitValue(int slot, std::string_view text);
    // Starts a driven slot (4, 5, 6, 9: transmitter keyed; 10, 11: RX tune): true when it runs.
    bool StartLive(int slot);
    // A new level while the editor is open: the radio's answer (Refused when nothing could be sent).
    RadioReply SetLive(int slot, int level);
    // The editor closed with OK (the level is written) or not (the radio's stored level stays).
    void FinishLive(int slot, std::optional<int> acceptedLevel);
    // Leaves alignment mode: ends a live adjustment, stores the values into the image, sends 0x36.
    void Leave();
    // Unkeys the transmitter if it is keyed (every way out of the dialog runs this).
    void Unkey();

    std::string FormatValue(int slot) const;
    int Value(int slot) const;
    // The channel fields: band, AM step, FM step, RX frequency, TX frequency, split.
    std::string Band() const;
    std::string AmStepText() const;
    std::string FmStepText() const;
    std::string RxText() const;
    std::string TxText() const;
    std::string SplitText() const;
    bool CurrentIsFm() const;
    // Whether a slot's control is of use on the test channel: the squelch values of the other band
    // are not.
    bool SlotLive(int slot) const;

    bool NoChannel() const { return m_noChannel; }
    bool Dirty() const { return m_dirty; }
    bool TransmitterKeyed() const { return m_keyed; }
    // The radio stopped answering altogether (a command met silence): the dialog tells the user once.
    bool LinkLost() const { return m_linkLost; }
    int CurrentIndex() const { return m_currentIndex; }
    const AlignValues& Values() const { return m_values; }

private:
    int& Field(int slot);
    int FieldValue(int slot) const;
    RadioReply Check(RadioReply reply);
    bool WriteChannelFrequency(int slot);
    const ChannelEntry* Current() const;

    ChannelTable& m_channels;
    CloneImage& m_image;
    AlignmentRadio& m_radio;
    std::vector<int> m_listable;
    int m_currentIndex = 0;
    int m_selection = 0;
    int m_activeAdjustment = 0;
    bool m_noChannel = false;
    bool m_dirty = false;
    bool m_keyed = false;
    bool m_linkLost = false;
    AlignValues m_values;
    std::array<std::optional<int>, kAlignSlotCount> m_shownReading{}; // a reading the radio refused
};

} // namespace zt46
