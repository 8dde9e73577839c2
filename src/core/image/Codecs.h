#pragma once
// The value codings of the image: frequencies in grid units, tag characters, firmware version,
// serial number, temperature offset and lock type. Pure functions of the bytes they are given.

#include <array>
#include <cstdint>
#include <string>

#include "core/image/CloneImage.h"

namespace zt46 {

constexpr int kModeAm = 0;
constexpr int kModeFm = 1;
constexpr int kModeWx = 2;

// Receive frequency in hertz from the two bytes (high first). `gridFlag` is RxGrid625Fm for FM records
// (and records whose mode bits are 3) and RxGrid833 for AM and WX records.
std::int32_t DecodeRxFreq(int mode, int gridFlag, std::uint8_t high, std::uint8_t low);
// The count of grid units for a receive frequency.
std::uint16_t EncodeRxFreq(int mode, int gridFlag, std::int32_t hz);
// Transmit frequency: 0 for a simplex record, the receive frequency when the high byte is 0,
// otherwise 6250 Hz units or the 8.33 kHz formula when TxGrid833 is set.
std::int32_t DecodeTxFreq(int split, int txGrid833, std::int32_t rxHz, std::uint8_t high, std::uint8_t low);
// The inverse of DecodeTxFreq's unit rule, for every mode.
std::uint16_t EncodeTxFreq(int txGrid833, std::int32_t hz);

// Eight tag characters (end-of-text for codes of 49 and above) from eight codes.
using TagText = std::array<char, 9>; // eight characters and a terminator
using TagCodeArray = std::array<std::uint8_t, 8>;
TagText DecodeTag(const std::uint8_t* codes);
// Codes for eight characters; a blank whose raw code (from the last decode) is 90 or more keeps it.
TagCodeArray EncodeTag(const TagText& text, const TagCodeArray& rawCodes);

// The four BCD-like digits of bytes 0..1 as a number (nibbles above 9 taken as they are).
int DecodeFirmwareVersion(const CloneImage& image);
// "%-d.%2.2d" of the version number.
std::string FormatFirmwareVersion(int version);
// The eight characters of the serial number at bytes 3800..3803.
std::string DecodeSerialNumber(const CloneImage& image);

// Temperature offset byte: sign bit and magnitude in tenths of a degree.
double DecodeTemperatureOffset(std::uint8_t byte);
std::uint8_t EncodeTemperatureOffset(double degrees);
// Rounds to one decimal: positive values half up, negative values toward zero.
double RoundToOneDecimal(double value);

// Lock type 0..6 from the three lock bits, and back.
int DecodeLockType(unsigned bits);
unsigned EncodeLockType(int lockType);

} // namespace zt46
