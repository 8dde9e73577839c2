#pragma once
// Decoding a 14-byte record into a ChannelEntry and encoding it back, with the frequency rules that a
// load and a store apply.

#include <cstdint>

#include "core/editor/ChannelEntry.h"
#include "core/editor/FrequencyRules.h"

namespace zt46 {

enum class RecordKind {
    Channel, // MR and Book: the receive frequency is snapped with the weather match
    Weather, // Weather channels: the receive frequency is taken as stored
    Vfo,     // VFO A and B: the receive frequency is snapped without the weather match
};

// Fills the entry from the record (the Masked flag is left alone).
void DecodeRecord(const std::uint8_t* record, RecordKind kind, const BandContext& band, ChannelEntry& entry);
// Writes the entry into the record: receive and transmit frequency snapped again, the fields set by
// read-modify-write so that the bits no field covers keep their values.
void EncodeRecord(const ChannelEntry& entry, RecordKind kind, const BandContext& band, std::uint8_t* record);

} // namespace zt46
