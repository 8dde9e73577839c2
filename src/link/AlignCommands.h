#pragma once
// The command layer of alignment mode: short framed commands, each accepted by the radio with one
// byte, some followed by a reply frame. Commands go strictly one after another, each with its purges
// and waits. Nothing here shows a message: the callers decide what a failure means.

#include <cstdint>
#include <span>
#include <vector>

#include "link/SerialPort.h"

namespace zt46 {

namespace align {
constexpr std::uint8_t kSelectChannel = 0x30;
constexpr std::uint8_t kReadStatus = 0x31;
constexpr std::uint8_t kLiveTxPower = 0x32;
constexpr std::uint8_t kLiveModulation = 0x33;
constexpr std::uint8_t kKeyTransmitter = 0x34;
constexpr std::uint8_t kEndLive = 0x35;
constexpr std::uint8_t kLeaveAlignment = 0x36;
constexpr std::uint8_t kLiveReferenceTune = 0x37;
constexpr std::uint8_t kReadVor = 0x38;
constexpr std::uint8_t kLiveSidetone = 0x39;
constexpr std::uint8_t kLiveRxTune = 0x3A;
constexpr std::uint8_t kReadWord = 0xF0;
constexpr std::uint8_t kWriteWord = 0xF1;
constexpr std::uint8_t kAccepted = 0x06;
constexpr int kAttempts = 5;
constexpr std::size_t kStatusBytes = 6;
constexpr std::size_t kStatusRssi = 0;
constexpr std::size_t kStatusSqs = 3;
} // namespace align

// Command frame: command, length (data bytes + 1), data, checksum (command + length + data, mod 256).
std::vector<std::uint8_t> AlignCommandFrame(std::uint8_t command, std::span<const std::uint8_t> data);
// Checksum of a reply frame: the command code counts although the reply does not repeat it.
std::uint8_t AlignReplySum(std::uint8_t command, std::uint8_t length, std::span<const std::uint8_t> data);

// Sends a command and waits for its acceptance (0x06 or the command code): Ok, Error (a failed send, a
// port error or another answer byte) or Timeout (five silent read attempts).
LinkResult SendAlignCommand(SerialPort& port, std::uint8_t command, std::span<const std::uint8_t> data);
// Reads the reply frame to an accepted command into `data` (which holds `expectedLength` - 1 bytes):
// results as above. `length` is the length byte received; one larger than expected fails (Error)
// without reading further.
LinkResult ReadAlignReply(SerialPort& port, std::uint8_t command, std::uint8_t expectedLength,
                          std::uint8_t& length, std::span<std::uint8_t> data);

} // namespace zt46
