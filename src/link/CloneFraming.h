#pragma once
// The bytes of the clone protocol and the pure rules of its frames and of the download merge.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/document/RadioWrite.h"
#include "core/image/CloneImage.h"

namespace zt46 {

namespace clone {
constexpr std::uint8_t kRequestUpload = 0x70; // "p", repeated until the radio answers
constexpr std::uint8_t kRadioHello = 0x50;    // "P": the radio announces itself
constexpr std::uint8_t kReady = 0x20;         // the radio is ready; also the first frame's lead byte
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kStartDownload = 0x60;
constexpr std::uint8_t kRequestAlign = 0x30; // "0"
constexpr std::uint8_t kLeaveClone = 0x36;   // "6": sent once before the alignment handshake
constexpr std::uint8_t kLeadNormal = 0x21;
constexpr std::uint8_t kLeadPrivileged = 0x29;
constexpr std::size_t kFrameData = 128; // data bytes the PC puts in each frame
constexpr int kFrames = static_cast<int>(kImageSize / kFrameData);
} // namespace clone

// Sum modulo 256 of the bytes: the check byte of a frame over its lead, length, block number and data.
std::uint8_t FrameSum(std::span<const std::uint8_t> bytes, std::uint8_t start = 0);

// The head of a download frame: lead byte, L = data bytes + 2, block number (low 8 bits).
std::vector<std::uint8_t> DownloadFrameHead(bool privileged, std::size_t dataBytes, int blockNumber);

// Whether an upload frame announcing `lengthByte` fits: L of at least 3, and data that do not run past
// the end of the image when `received` bytes are already in.
bool UploadFrameFits(std::uint8_t lengthByte, std::size_t received);

// The first half of a download after the radio was read: the user's bytes go into the radio's image.
// The radio keeps its firmware version (bytes 0..1), its alignment values (bytes 70..93 always, 94..111
// unless privileged), its identity block (3792..3803) when privileged or when `identity` says so, and
// bytes 3804..4095 always; the check value is renewed.
void MergeIntoRadioImage(CloneImage& radio, const CloneImage& user, bool privileged,
                         IdentityChoice identity = IdentityChoice::File);

// Whether the two images have the same hardware option bits (byte 7, bits 2..1).
bool SameHardware(const CloneImage& a, const CloneImage& b);

} // namespace zt46
