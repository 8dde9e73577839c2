// The pure rules of the link: frames, check sums and port names. The download merge is checked byte for
// byte against the simulated radio (e2e CloneDownload).
#include <gtest/gtest.h>

#include "link/AlignCommands.h"
#include "link/CloneFraming.h"
#include "link/PortSettings.h"

namespace zt46 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(AlignFrames, CommandFramesCarryLengthAndChecksum) {
    struct Case {
        std::uint8_t command;
        Bytes data;
        Bytes frame;
    };
    const Case cases[] = {
        {0x30, {0x05}, {0x30, 0x02, 0x05, 0x37}},                                     // select channel 5
        {0xF0, {0x00, 0x23}, {0xF0, 0x03, 0x00, 0x23, 0x16}},                         // read word 0x23
        {0xF1, {0x00, 0x23, 0x80, 0x40}, {0xF1, 0x05, 0x00, 0x23, 0x80, 0x40, 0xD9}}, // write, sum wraps
        {0x34, {}, {0x34, 0x01, 0x35}},                                               // key transmitter
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlignCommandFrame(c.command, c.data), c.frame);
}

TEST(AlignFrames, ReplyChecksumCountsTheCommandCode) {
    const Bytes data{0x80, 0x40};
    EXPECT_EQ(AlignReplySum(0xF0, 0x03, data), 0xB3);
    EXPECT_EQ(AlignReplySum(0x00, 0x03, data), 0xC3);
}

TEST(CloneFrames, DownloadHeadAndCheckByte) {
    EXPECT_EQ(DownloadFrameHead(false, 128, 0), (Bytes{0x21, 130, 0}));
    EXPECT_EQ(DownloadFrameHead(true, 128, 31), (Bytes{0x29, 130, 31}));
    EXPECT_EQ(DownloadFrameHead(false, 128, 257), (Bytes{0x21, 130, 1})); // low 8 bits of the number
    const Bytes frame{0x21, 130, 0, 0xFF, 0xFF};
    EXPECT_EQ(FrameSum(frame), static_cast<std::uint8_t>(0x21 + 130 + 0xFF + 0xFF));
    EXPECT_EQ(FrameSum(Bytes{0x01}, 0xFF), 0x00);
}

TEST(CloneFrames, UploadFrameMustFitTheImage) {
    struct Case {
        std::uint8_t length;
        std::size_t received;
        bool fits;
    };
    // A frame holds at least one byte past its head, and never runs past the image's end (a length of 255
    // carries 253 bytes: 3843 + 253 = 4096).
    const Case cases[] = {{2, 0, false},      {0, 0, false},     {3, 0, true},       {130, 3968, true},
                          {130, 3969, false}, {255, 3843, true}, {255, 3844, false}, {3, 4096, false}};
    for (const Case& c : cases)
        EXPECT_EQ(UploadFrameFits(c.length, c.received), c.fits) << int(c.length) << " after " << c.received;
}

TEST(CloneFrames, HardwareComparesBitsTwoAndOneOnly) {
    struct Case {
        std::uint8_t a, b;
        bool same;
    };
    for (const Case& c :
         {Case{0x04, 0x06, false}, Case{0x06, 0x07, true}, Case{0x08, 0x00, true}, Case{0x02, 0x00, false}}) {
        CloneImage x{}, y{};
        x[7] = c.a;
        y[7] = c.b;
        EXPECT_EQ(SameHardware(x, y), c.same) << int(c.a) << " vs " << int(c.b);
    }
}

TEST(PortNames, DevicePathTakesThePlaceOfComN) {
    EXPECT_EQ((PortSettings{12, ""}).DeviceName(), "/dev/ttyS11");
    EXPECT_EQ((PortSettings{12, "/dev/ttyUSB0"}).DeviceName(), "/dev/ttyUSB0");
    EXPECT_EQ(CheckLeadText(PortSettings{12, ""}), "Check that lead is connected to COM 12");
    EXPECT_EQ(CheckLeadText(PortSettings{3, "/dev/pts/7"}), "Check that lead is connected to /dev/pts/7");
    EXPECT_EQ((PortSettings{12, ""}).DisplayName(), "COM12");
    EXPECT_EQ((PortSettings{12, "/dev/ttyUSB0"}).DisplayName(), "/dev/ttyUSB0");
}

TEST(PortNames, TheConfigurationsPortTextNamesAComPortOrADevice) {
    struct Case {
        const char* text;
        int comPort;
        const char* device;
    };
    for (const Case& c : {
             Case{"COM 3", 3, ""}, Case{"com16", 16, ""}, Case{"", 1, ""},
             Case{"COM 17", 5, "COM 17"}, // beyond 16: a device name
             Case{"COM 0", 5, "COM 0"}, Case{" /dev/pts/7 ", 5, "/dev/pts/7"},
             Case{"/dev/ttyUSB0  -  USB serial", 5, "/dev/ttyUSB0"}, // listed with its description
         }) {
        const PortSettings port = ParsePortText(c.text, 5);
        EXPECT_EQ(port.comPort, c.comPort) << c.text;
        EXPECT_EQ(port.devicePath, c.device) << c.text;
    }
    // What the dialog lists reads back as itself.
    EXPECT_EQ(ParsePortText(ComPortText(9), 5).comPort, 9);
    EXPECT_EQ(ParsePortText(ListedDeviceText("/dev/ttyACM0", "modem"), 5).devicePath, "/dev/ttyACM0");
}

} // namespace
} // namespace zt46
