#include <gtest/gtest.h>

#include <cmath>

#include "core/document/FactoryImage.h"
#include "core/image/Codecs.h"
#include "core/image/Fields.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {
namespace {

struct RxCase {
    int mode, flag;
    std::uint8_t high, low;
    std::int32_t hz;
};

// AM counts 6.25 kHz (118 MHz = 18880), or 25/3 kHz with the flag (14161 = 118.008333 MHz); FM counts
// 5 kHz, or 6.25 kHz with the flag; WX counts 6.25 kHz either way; mode bits 3 use the FM row; a zero
// high byte means 118 MHz (and is never written).
TEST(CodecsTest, ReceiveFrequencyDecoding) {
    for (const RxCase& c :
         {RxCase{kModeAm, 0, 0x49, 0xC0, 118000000}, RxCase{kModeAm, 1, 0x37, 0x51, 118008333},
          RxCase{kModeAm, 1, 0x37, 0x53, 118025000}, RxCase{kModeFm, 0, 0xFF, 0xFF, 327675000},
          RxCase{kModeFm, 1, 0x5A, 0xA0, 145000000}, RxCase{kModeWx, 1, 0x65, 0x98, 162550000},
          RxCase{3, 0, 0x71, 0x48, 145000000}, RxCase{kModeAm, 0, 0x00, 0x55, 118000000}}) {
        EXPECT_EQ(DecodeRxFreq(c.mode, c.flag, c.high, c.low), c.hz) << c.mode << "/" << c.flag;
        if (c.high == 0) continue;
        EXPECT_EQ(EncodeRxFreq(c.mode, c.flag, c.hz), (c.high << 8) | c.low);
    }
    EXPECT_EQ(EncodeRxFreq(kModeAm, 1, 118016666), 14162);
}

TEST(CodecsTest, TransmitFrequencyDecodingAndEncoding) {
    // Simplex is 0; a high byte 0 is the receive frequency.
    EXPECT_EQ(std::tuple(DecodeTxFreq(0, 0, 118000000, 0x49, 0xC0), DecodeTxFreq(1, 0, 110000000, 0x00, 0x12),
                         DecodeTxFreq(1, 0, 110000000, 0x49, 0xC0),
                         DecodeTxFreq(1, 1, 110000000, 0x37, 0x51)),
              std::tuple(0, 110000000, 118000000, 118008333));
    EXPECT_EQ(std::tuple(EncodeTxFreq(0, 118000000), EncodeTxFreq(1, 118008333)), std::tuple(0x49C0, 14161));
}

TEST(CodecsTest, TagCodesWithRawCodeRule) {
    const std::uint8_t codes[8] = {10, 36, 43, 44, 45, 64, 95, 36};
    const TagText text = DecodeTag(codes);
    EXPECT_EQ(std::tuple(text[0], text[5], text[6]), std::tuple('A', '\0', '\0')); // 64 and 95: no character
    TagCodeArray raw{};
    std::copy(std::begin(codes), std::end(codes), raw.begin());
    // Unchanged text: symbols come back as 43..45; a NUL is not a known character.
    EXPECT_EQ(EncodeTag(text, raw), (TagCodeArray{10, 36, 43, 44, 45, 64, 64, 36}));
    // Blanks typed over radio-only codes keep those codes.
    TagText blanks{};
    std::fill_n(blanks.begin(), 8, ' ');
    EXPECT_EQ(EncodeTag(blanks, raw), (TagCodeArray{36, 36, 36, 36, 36, 36, 95, 36}));
    TagText lower{};
    std::copy_n("ab      ", 8, lower.begin());
    EXPECT_EQ(EncodeTag(lower, TagCodeArray{})[0], 64);
}

TEST(CodecsTest, TemperatureOffset) {
    EXPECT_DOUBLE_EQ(DecodeTemperatureOffset(0x85), -0.5);
    EXPECT_FALSE(std::signbit(DecodeTemperatureOffset(0x80))); // prints "0.0", not "-0.0"
    EXPECT_EQ(std::tuple(EncodeTemperatureOffset(12.7), EncodeTemperatureOffset(-12.7),
                         EncodeTemperatureOffset(-0.5)),
              std::tuple(0x7F, 0xFF, 0x85));
    EXPECT_EQ(std::pair(RoundToOneDecimal(-1.26), RoundToOneDecimal(1.25)), std::pair(-1.2, 1.3));
    KeyMiscSettings k;
    for (const auto& [typed, shown] :
         {std::pair{"3.75", "3.8"}, {"-20", "-12.7"}, {"15", "12.7"}, {"abc", "0.0"}}) {
        k.SetTemperatureOffsetText(typed);
        EXPECT_EQ(k.TemperatureOffsetText(), shown) << typed;
    }
}

TEST(CodecsTest, LockTypeCoding) {
    const int decoded[8] = {1, 2, 1, 5, 0, 4, 3, 6};
    for (unsigned bits = 0; bits < 8; ++bits)
        EXPECT_EQ(DecodeLockType(bits), decoded[bits]);
    for (int type = 0; type < 7; ++type)
        EXPECT_EQ(DecodeLockType(EncodeLockType(type)), type);
    EXPECT_EQ(EncodeLockType(9), 2u);
}

TEST(SettingsGroupsTest, CurrentModeByPriorityAndWeatherCorrection) {
    CloneImage image = FactoryImage();
    image[44] = 0x30; // MR and Book bits both set: MR wins
    SystemSettings s;
    s.Load(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeMr);
    image[44] = 0x08 | 0x43; // WX with other bits that are not ours
    s.Load(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeVfo); // the weather band is off
    s.Store(image);
    EXPECT_EQ(image[44], 0x80 | 0x43);
    SetField(image, fields::WeatherBand, 1);
    image[44] = 0x08;
    s.Load(image);
    EXPECT_EQ(s.CurrentMode, kCurrentModeWx);
}

TEST(SettingsGroupsTest, StoreTouchesOnlyTheFieldBits) {
    // Loading and storing every group over an image full of ones changes no byte, except the WX display
    // mode (3 is stored as 0) and the lock bits (7 decodes to 6, which encodes back to 7).
    CloneImage copy;
    copy.fill(0xFF);
    [&copy](auto... groups) {
        (groups.Load(copy), ...);
        (groups.Store(copy), ...);
    }(DisplaySoundSettings{}, TxRxSettings{}, KeyMiscSettings{});
    for (std::size_t i = 0; i < copy.size(); ++i)
        EXPECT_EQ(copy[i], i == 123 ? 0xCF : 0xFF) << "byte " << i; // 118 (-12.7) too
}

} // namespace
} // namespace zt46
