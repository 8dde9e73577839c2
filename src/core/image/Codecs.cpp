#include "core/image/Codecs.h"

#include <cmath>

#include "core/util/Digits.h"
#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

// Plain multiplier of a receive grid row.
std::int32_t RxMultiplier(int mode, int gridFlag) {
    if (mode == kModeAm) return gridFlag ? 0 : 6250; // 0: the 8.33 kHz formula
    if (mode == kModeWx) return 6250;
    return gridFlag ? 6250 : 5000; // FM, and mode bits 3 decode as FM
}

std::int32_t From833Units(std::uint16_t n) {
    return static_cast<std::int32_t>(n) * 25000 / 3;
}

std::uint16_t To833Units(std::int32_t hz) {
    const std::int32_t t = static_cast<std::int32_t>((hz % 25000) / 8330.0);
    return static_cast<std::uint16_t>((hz / 25000) * 3 + t);
}

} // namespace

std::int32_t DecodeRxFreq(int mode, int gridFlag, std::uint8_t high, std::uint8_t low) {
    if (high == 0) return 118000000;
    const std::uint16_t n = static_cast<std::uint16_t>(high << 8 | low);
    const std::int32_t mult = RxMultiplier(mode, gridFlag);
    return mult == 0 ? From833Units(n) : static_cast<std::int32_t>(n) * mult;
}

std::uint16_t EncodeRxFreq(int mode, int gridFlag, std::int32_t hz) {
    const std::int32_t mult = RxMultiplier(mode, gridFlag);
    return mult == 0 ? To833Units(hz) : static_cast<std::uint16_t>(hz / mult);
}

std::int32_t DecodeTxFreq(int split, int txGrid833, std::int32_t rxHz, std::uint8_t high, std::uint8_t low) {
    if (split == 0) return 0;
    if (high == 0) return rxHz;
    const std::uint16_t n = static_cast<std::uint16_t>(high << 8 | low);
    return txGrid833 ? From833Units(n) : static_cast<std::int32_t>(n) * 6250;
}

std::uint16_t EncodeTxFreq(int txGrid833, std::int32_t hz) {
    return txGrid833 ? To833Units(hz) : static_cast<std::uint16_t>(hz / 6250);
}

TagText DecodeTag(const std::uint8_t* codes) {
    TagText text{};
    for (int i = 0; i < 8; ++i)
        text[i] = TagCodeToChar(codes[i]);
    text[8] = '\0';
    return text;
}

TagCodeArray EncodeTag(const TagText& text, const TagCodeArray& rawCodes) {
    TagCodeArray codes{};
    for (int i = 0; i < 8; ++i) {
        int code = TagCharToCode(text[i]);
        if (code == 36 && rawCodes[i] >= 90) code = rawCodes[i];
        codes[i] = static_cast<std::uint8_t>(code);
    }
    return codes;
}

int DecodeFirmwareVersion(const CloneImage& image) {
    const int b0 = image[0], b1 = image[1];
    return (b0 >> 4) * 1000 + (b0 & 15) * 100 + (b1 >> 4) * 10 + (b1 & 15);
}

std::string FormatFirmwareVersion(int version) {
    return Format("%-d.%2.2d", version / 100, version % 100);
}

std::string DecodeSerialNumber(const CloneImage& image) {
    const std::uint8_t* s = &image[kSerialNumberOffset];
    std::string out;
    out += NibbleToDigit(s[0] >> 4);
    out += static_cast<char>('B' + (s[0] & 15));
    for (int i = 1; i < 4; ++i) {
        out += NibbleToDigit(s[i] >> 4);
        out += NibbleToDigit(s[i] & 15);
    }
    return out;
}

double DecodeTemperatureOffset(std::uint8_t byte) {
    // Sign times magnitude in whole tenths first: 0x80 reads back as 0.0, never as -0.0.
    const int tenths = (byte & 0x80) ? -(byte & 0x7F) : (byte & 0x7F);
    return tenths / 10.0;
}

std::uint8_t EncodeTemperatureOffset(double degrees) {
    const int v = static_cast<int>(degrees * 10); // truncated toward zero
    const int magnitude = v < 0 ? -v : v;
    return static_cast<std::uint8_t>((magnitude & 0x7F) | (v < 0 ? 0x80 : 0));
}

double RoundToOneDecimal(double value) {
    const long n = static_cast<long>(value * 100);
    const long r = n % 10; // carries the sign of n
    long rounded = n;
    if (r != 0) rounded = r < 5 ? n - r : n + (10 - r);
    return rounded / 100.0;
}

int DecodeLockType(unsigned bits) {
    static constexpr int kTable[8] = {1, 2, 1, 5, 0, 4, 3, 6};
    return kTable[bits & 7];
}

unsigned EncodeLockType(int lockType) {
    static constexpr unsigned kTable[7] = {4, 2, 1, 6, 5, 3, 7};
    return lockType >= 0 && lockType < 7 ? kTable[lockType] : 2;
}

} // namespace zt46
