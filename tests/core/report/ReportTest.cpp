#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/document/FactoryImage.h"
#include "core/report/Report.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

using test::Record;
using test::SetRecord;

void Unmask(CloneImage& image, int index) {
    image[kChannelMaskOffset + static_cast<std::size_t>(index / 8)] &=
        static_cast<std::uint8_t>(~(1u << (index % 8)));
}

// Settings far from the factory's, values beyond their text tables, both VFOs busy, and enough channels
// for two channel pages of 70, the second starting in the middle of the MR group (no title there).
CloneImage BusyImage() {
    CloneImage image = FactoryImage();
    const auto put = [&image](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), &image[at]);
    };
    image[7] |= 0x06; // weather band, RX expansion
    // 44: WX, VFO B, emergency; 45: ANL, dual watch, tone control 7 (beyond its table); 47: both TX
    // expansions.
    put(44, {0x08 | 0x44, 0xC7, image[46], 0x03});
    // 112: DW/PRI, emergency function, lock status, lock bits 7; 113: lamp mode 3, T.O.T 3, RX save 7;
    // 114: PRI time 7, SQL 9; 116: user keys 7, weather alert 3; 118: -1.5 degrees; 119: Celsius, internal
    // MIC, PA monitor 3; 120: VOX delay 3, headphone level 8; 123: WX mode 2, BOOK 3, MR 2.
    put(112, {0x6F, 0xFF, 0xE9, 0xFF, 0xFF, 0xFC, 0x8F, 0xD3, 0x38, 200, image[122], 0x2E});
    put(3800, {0x12, 0x34, 0x5E, 0xF0});
    // VFO A: AM 8.33 kHz split at 110.000 MHz, transmit 121.5 MHz. VFO B: FM 145.5 MHz, 12.5k.
    put(kVfoAOffset, {0x00, 0xA5, 36, 36, 36, 36, 36, 36, 36, 36, 0x33, 0x90, 0x39, 0x54});
    put(kVfoBOffset, {0x42, 0x40, 36, 36, 36, 36, 36, 36, 36, 36, 0x5A, 0xF0, 0x00, 0x00});
    for (int k = 0; k < kWeatherCount; ++k) { // 162.400, 162.425, ... MHz in 6.25 kHz units
        Record(image, kFirstWeatherIndex + k)[10] = 0x65;
        Record(image, kFirstWeatherIndex + k)[11] = static_cast<std::uint8_t>(0x80 + 4 * k);
    }
    for (int i = 0; i < 75; ++i)
        Unmask(image, i);
    SetRecord(image, 1, {0x08, 0x4F, 10, 11, 37, 38, 43, 44, 45, 48, 0x45, 0xC4, 0x4F, 0xA0}); // split AM
    SetRecord(image, 2, {0x00, 0xA0, 22, 24, 36, 36, 36, 36, 36, 36, 0x3C, 0x8D, 0x00, 0x00}); // 8.33
    SetRecord(image, 3, {0x45, 0x42, 15, 22, 64, 36, 36, 36, 36, 36, 0x5A, 0xA0, 0x00, 0x00}); // FM, cut tag
    SetRecord(image, 4, {0x43, 0x48, 36, 36, 36, 36, 36, 36, 36, 36, 0x71, 0x84, 0x00, 0x00}); // FM 15k
    SetRecord(image, 5, {0x80, 0x48, 33, 23, 36, 36, 36, 36, 36, 36, 0x65, 0x98, 0x00, 0x00}); // weather freq
    SetRecord(image, 74, {0xC6, 0x4C, 1, 2, 3, 36, 36, 36, 36, 36, 0x71, 0x48, 0x00, 0x00});   // mode bits 3
    Unmask(image, 160);
    SetRecord(image, 160, {0x08, 0x4A, 27, 18, 36, 36, 36, 36, 36, 36, 0x53, 0x20, 0x00, 0x00});
    SetRecord(image, 255,
              {0xC2, 0x48, 33, 23, 36, 36, 36, 36, 36, 36, 0x65, 0x98, 0x00, 0x00}); // WX 6, mode 3
    return image;
}

void CompareWithGolden(const std::string& actual, const std::string& name) {
    const std::string path = std::string(ZT46_TEST_DATA) + "/" + name;
    if (std::getenv("ZT46_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << actual;
    EXPECT_EQ(actual, test::ReadText(path)) << "golden " << name;
}

TEST(ReportTest, BuiltInImageAsLoadedAndBusyImage) {
    test::DocFixture factory, busy;
    factory.doc.LoadFactoryImage();
    CompareWithGolden(ReportText(Report(factory.doc).Pages()), "factory.txt");
    ASSERT_TRUE(busy.doc.LoadFileStrict(test::WriteClone(busy.dir.File("busy one.T46"), BusyImage())));
    CompareWithGolden(ReportText(Report(busy.doc).Pages()), "busy.txt");
}

TEST(ReportTest, MaskedFirstChannelLeavesItsGroupWithoutTitle) {
    test::DocFixture f;
    CloneImage image = FactoryImage();
    Unmask(image, 1);
    image[kChannelMaskOffset] |= 1; // MR 1 masked
    ASSERT_TRUE(f.doc.LoadFileStrict(test::WriteClone(f.dir.File("c.t46"), image)));
    const std::string text = ReportText(Report(f.doc).Pages());
    EXPECT_EQ(text.find("***MR***"), std::string::npos);
    EXPECT_NE(text.find("\n2   AM "), std::string::npos);
}

} // namespace
} // namespace zt46
