#include <gtest/gtest.h>

#include "core/document/FactoryImage.h"
#include "core/settings/ComboPageModels.h"
#include "core/settings/SystemSettingsModel.h"
#include "core/settings/VfoPageModel.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

TEST(SystemParamsTest, EnableMasksOverPrivilegeWeatherBandModeAndEmergency) {
    struct Case {
        bool privileged;
        int weatherBand, mode, emergency;
        unsigned mask;
    };
    for (const Case& c :
         {Case{false, 0, 0, 0, 0x03F}, Case{false, 1, 3, 0, 0x02F}, Case{false, 0, 1, 1, 0x02F},
          Case{true, 0, 2, 0, 0x0BF}, Case{true, 0, 0, 1, 0x0AF}, Case{true, 1, 1, 0, 0x1BF},
          Case{true, 1, 3, 0, 0x1AF}, Case{true, 1, 0, 1, 0x1AF}}) {
        const SystemSettings s{
            .WeatherBand = c.weatherBand, .CurrentMode = c.mode, .EmergencyMode = c.emergency};
        EXPECT_EQ(SystemEnableMask(c.privileged, s), c.mask)
            << c.privileged << c.weatherBand << c.mode << c.emergency;
    }
    EXPECT_EQ(std::tuple(SystemRowVisible(kRowWeatherBand, false), SystemRowVisible(kRowToneControl, false),
                         SystemRowVisible(kRowRxExpansion, true)),
              std::tuple(false, true, true));
}

TEST(SystemParamsTest, StartCorrectsWxWithoutWeatherBandAndEmergencyLocksDualWatch) {
    test::DocFixture f;
    CloneImage image = FactoryImage();
    image[44] = 0x08;  // WX
    image[45] |= 0x40; // dual watch on
    f.Load(image);
    SystemSettingsModel editor(f.doc, false);
    editor.Start();
    EXPECT_EQ(f.doc.Image()[44] & 0xB8, 0x80); // stored back as VFO at once
    EXPECT_EQ(editor.Items(kRowCurrentMode).size(), 3u);
    EXPECT_EQ(editor.Value(kRowDualWatch), 1);
    editor.Select(kRowEmergencyMode, 1); // the mask follows the selection
    EXPECT_EQ(std::pair(editor.Value(kRowDualWatch), editor.EnableMask()), std::pair(0, 0x02Fu));
    editor.Select(kRowEmergencyMode, 0);
    EXPECT_EQ(editor.Value(kRowDualWatch), 0); // enabled again but still Off
}

TEST(SystemParamsTest, SwitchingTxExpansionOffRefitsEveryTransmitFrequency) {
    struct Case {
        std::vector<int> selections; // successive choices in the TX Expansion list
        std::int32_t expectedTx;
    };
    for (const Case& c : {Case{{0}, 136975000}, Case{{0, 1, 0}, 136975000}, Case{{}, 140000000},
                          Case{{1}, 140000000}, Case{{0, 1}, 140000000}}) {
        test::DocFixture f(test::SplitExpandedImage());
        ASSERT_EQ(f.doc.Channels().Entry(0).TxHz, 140000000);
        SystemSettingsModel editor(f.doc, true);
        editor.Start();
        for (int index : c.selections)
            editor.Select(kRowTxExpansion, index);
        editor.Accept();
        VfoSettings vfo = VfoSettings::A();
        vfo.Load(f.doc.Image(), f.doc.Bands());
        EXPECT_EQ(std::pair(f.doc.Channels().Entry(0).TxHz, vfo.Entry().TxHz),
                  std::pair(c.expectedTx, c.expectedTx));
    }
}

TEST(CommonPagesTest, PagesLoadOnFirstShowAndStoreOnlyWhenShown) {
    test::DocFixture f;
    CloneImage image = FactoryImage();
    image[123] = 0x20;                           // WX display mode 2
    image[116] = (image[116] & 0x1F) | (4 << 5); // user key 1 = 4 ("ALRT" has no item)
    f.Load(image);
    DisplaySoundPageModel page1(f.doc, DisplaySoundRows());
    TransmitReceivePageModel page2(f.doc, TxRxRows());
    KeysMiscPageModel page3(f.doc);
    page1.Start();
    page3.Start();
    // No weather band: the weather rows are off; WX mode 2 shows as the first item.
    EXPECT_EQ(std::tuple(page1.Value(kWxModeComboId), page1.Enabled(kWxModeComboId),
                         page3.Enabled(kWeatherAlertComboId), page3.Value(4743)),
              std::tuple(0, false, false, 4));
    page2.Settings().SqlLevel = 0; // a page never shown stores nothing
    page1.Accept();
    page2.Accept();
    page3.Accept();
    const CloneImage& stored = f.doc.Image();
    EXPECT_FALSE(f.doc.ImageModified());
    EXPECT_EQ(std::tuple(stored[123] & 0x30, stored[114] & 0x0F, stored[116] >> 5),
              std::tuple(0, FactoryImage()[114] & 0x0F, 4));
}

TEST(CommonPagesTest, TemperatureOffsetIsClampedWithItsReason) {
    test::DocFixture f(FactoryImage());
    KeysMiscPageModel page(f.doc);
    page.Start();
    EXPECT_EQ(page.CommitOffset("-20"), "-20 is below the range: -12.7"); // the value: CodecsTest
    EXPECT_EQ(page.CommitOffset("12.74"), "");                            // rounded, not clamped
}

TEST(VfoPageTest, ControlStatesFollowTheRecord) {
    test::DocFixture f;
    CloneImage image = FactoryImage();
    image[7] |= 0x02; // RX expansion
    f.Load(image);
    VfoPageModel page(f.doc, kVfoAOffset);
    page.Start(); // at 118 MHz: it cannot be split
    EXPECT_EQ(std::pair(page.States().amStep, page.States().split), std::pair(true, false));
    page.CommitRx("110");
    EXPECT_EQ(std::pair(page.States().split, page.States().txEdit), std::pair(true, false));
    page.Select(VfoCombo::Split, 1);
    EXPECT_TRUE(page.States().txEdit);
    page.CommitTx("140");
    EXPECT_EQ(page.Entry().TxHz, 136975000); // TX expansion off
    page.Select(VfoCombo::AmStep, 0);        // 8.33 kHz: both frequencies on the new raster
    EXPECT_EQ(std::pair(page.Entry().RxGrid833, page.Entry().TxGrid833), std::pair(1, 1));
    EXPECT_DOUBLE_EQ(page.Entry().RxDisplay, 110.005);
    page.CommitRx("125"); // AM above 117.975 MHz cannot be split
    EXPECT_EQ(std::pair(page.Entry().Split, page.States().txEdit), std::pair(0, false));
    page.CommitRx("150");
    const VfoControlStates fm = page.States();
    EXPECT_EQ(std::tuple(page.Entry().Mode, fm.fmStep, fm.amStep, fm.mode),
              std::tuple(kModeFm, true, false, false));
    page.Accept();
    VfoSettings stored = VfoSettings::A();
    stored.Load(f.doc.Image(), f.doc.Bands());
    EXPECT_EQ(stored.Entry().RxHz, 150000000);
}

// The VFO pages take a channel name as the grid does and say why a frequency was snapped (the snapping is
// FrequencyRulesTest's; a name committed unchanged records nothing: ChangeRecordTest).
TEST(VfoPageTest, TypedFrequenciesNamesAndSnapReasons) {
    test::DocFixture f(FactoryImage());
    VfoPageModel page(f.doc, kVfoAOffset);
    page.Start();
    page.Select(VfoCombo::AmStep, 0);
    EXPECT_EQ(std::pair(page.CommitRx("118.030"), page.Entry().RxHz), std::pair(std::string(), 118025000));
    EXPECT_EQ(page.CommitRx("118.003"), "118.003 lies between 8.33k channels: 118.005");
}

} // namespace
} // namespace zt46
