#pragma once
// The radio's 4096-byte memory and its map. Multi-byte numbers are stored high byte first; bit 7 is the
// most significant bit of a byte.

#include <array>
#include <cstddef>
#include <cstdint>

namespace zt46 {

constexpr std::size_t kImageSize = 4096;
constexpr std::size_t kTrailerSize = 8;
constexpr std::size_t kCloneFileSize = kImageSize + kTrailerSize;
constexpr std::size_t kRecordSize = 14;

using CloneImage = std::array<std::uint8_t, kImageSize>;
using ImageTrailer = std::array<std::uint8_t, kTrailerSize>;

// Offsets into the image.
constexpr std::size_t kFirmwareVersionOffset = 0;
constexpr std::size_t kAdjustChecksumOffset = 2;
constexpr std::size_t kHardwareOptionsOffset = 7;
constexpr std::size_t kChannelMaskOffset = 8; // 32 bytes, one bit per MR and Book channel
constexpr std::size_t kChannelMaskBytes = 32;
constexpr std::size_t kCurrentMrChannelOffset = 41;
constexpr std::size_t kCurrentBookChannelOffset = 43;
constexpr std::size_t kAdjustBlockAOffset = 70; // 24 bytes of service alignment values
constexpr std::size_t kAdjustBlockAEnd = 94;
constexpr std::size_t kAdjustBlockBOffset = 94; // 18 bytes, only their check value is ours
constexpr std::size_t kAdjustBlockBEnd = 112;
constexpr std::size_t kCommonSettingsOffset = 112;
constexpr std::size_t kVfoAOffset = 124;
constexpr std::size_t kVfoBOffset = 138;
constexpr std::size_t kWeatherOffset = 152;   // 10 records
constexpr std::size_t kMrOffset = 292;        // 150 records
constexpr std::size_t kBookOffset = 2392;     // 100 records
constexpr std::size_t kIdentityOffset = 3792; // 12 bytes: 8 opaque, then the serial number
constexpr std::size_t kIdentityEnd = 3804;
constexpr std::size_t kSerialNumberOffset = 3800;

// Channel index: 0..149 MR 1..150, 150..249 Book MR 1..100, 250..259 Weather 1..10.
constexpr int kMrCount = 150;
constexpr int kBookCount = 100;
constexpr int kWeatherCount = 10;
constexpr int kChannelCount = kMrCount + kBookCount + kWeatherCount;
constexpr int kFirstBookIndex = kMrCount;
constexpr int kFirstWeatherIndex = kMrCount + kBookCount;
constexpr int kMaskedChannelCount = kMrCount + kBookCount;

// Image offset of the record of a channel index.
constexpr std::size_t ChannelRecordOffset(int index) {
    if (index < kFirstBookIndex) return kMrOffset + kRecordSize * static_cast<std::size_t>(index);
    if (index < kFirstWeatherIndex)
        return kBookOffset + kRecordSize * static_cast<std::size_t>(index - kFirstBookIndex);
    return kWeatherOffset + kRecordSize * static_cast<std::size_t>(index - kFirstWeatherIndex);
}

// A field of some bits of one byte: bits [shift, shift + width) of image byte `byte`.
struct BitField {
    std::size_t byte;
    unsigned shift;
    unsigned width;
};

constexpr unsigned FieldMask(BitField f) {
    return ((1u << f.width) - 1u) << f.shift;
}

// Reads a field of a byte array (the image, or a 14-byte record with byte offsets into it).
inline unsigned GetField(const std::uint8_t* bytes, BitField f) {
    return (bytes[f.byte] & FieldMask(f)) >> f.shift;
}
// Changes only the field's bits (read-modify-write of its byte). Wider values spill into the
// neighbouring bits of the byte only as far as the byte goes: callers keep to the field's values.
inline void SetField(std::uint8_t* bytes, BitField f, unsigned value) {
    bytes[f.byte] = static_cast<std::uint8_t>((bytes[f.byte] & ~FieldMask(f)) | ((value << f.shift) & 0xFFu));
}
inline unsigned GetField(const CloneImage& image, BitField f) {
    return GetField(image.data(), f);
}
inline void SetField(CloneImage& image, BitField f, unsigned value) {
    SetField(image.data(), f, value);
}

inline std::uint16_t ReadBe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
inline void WriteBe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

// The 16-bit sum of the nine big-endian words of AdjustBlockB (bytes 94..111).
std::uint16_t ComputeAdjustChecksum(const CloneImage& image);
// The value stored at bytes 2..3.
std::uint16_t StoredAdjustChecksum(const CloneImage& image);
// Stores ComputeAdjustChecksum at bytes 2..3, high byte first.
void UpdateAdjustChecksum(CloneImage& image);

} // namespace zt46
