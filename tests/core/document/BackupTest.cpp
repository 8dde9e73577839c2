// The backups kept before a write to the radio.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "core/document/Backup.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;
using std::chrono::system_clock;

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        // Serial number "3L123456": first byte 0x3A (digit 3, letter 'B' + 10), then BCD digits.
        const std::uint8_t serial[] = {0x3A, 0x12, 0x34, 0x56};
        std::copy_n(serial, 4, &m_image[kSerialNumberOffset]);
    }
    static system_clock::time_point At(std::time_t t) { return system_clock::from_time_t(t); }

    test::TempDir m_temp;
    fs::path m_dir = m_temp.Path() / "backups";
    CloneImage m_image{};
};

constexpr std::time_t kNoon = 1796571000; // 2026-12-06 15:30:00 UTC

TEST_F(BackupTest, NameHoldsProductSerialAndTimeAndOnlyItsOwnNamesAreRecognised) {
    EXPECT_EQ(BackupFileName(m_image, At(kNoon)), "KSR-410_3L123456_20261206-153000.t46");
    struct Case {
        const char* name;
        bool own;
    };
    for (const Case& c :
         {Case{"KSR-410_3L123456_20261206-153000.t46", true},
          Case{"KSR-410_3L123456_20261206-153000-2.t46", true},
          Case{"KSR-410_#Q_1_20261206-153000.t46", true}, Case{"KSR-410_3L123456_20261206-1530.t46", false},
          Case{"KSR-410_3L123456_20261206-153000.T46x", false}, Case{"notes_20261206-153000.t46", false},
          Case{"KSR-410_.t46", false}}) {
        EXPECT_EQ(IsBackupFileName(c.name), c.own) << c.name;
    }
}

TEST_F(BackupTest, WritesAtomicallyNeverOverAnotherAndKeepsTheNewest50) {
    fs::create_directories(m_dir);
    std::ofstream(m_dir / "notes.txt") << "not ours";
    std::ofstream(m_dir / "KSR-410_old.t46") << "not ours either";
    std::vector<BackupResult> results;
    for (int i = 0; i < 52; ++i)
        results.push_back(WriteBackup(m_dir.string(), m_image, At(kNoon + 60 * i)));
    // A second backup within the same second keeps the first.
    const BackupResult twin = WriteBackup(m_dir.string(), m_image, At(kNoon + 60 * 51));
    ASSERT_TRUE(twin.ok) << twin.error;
    EXPECT_NE(twin.path, results.back().path);
    EXPECT_TRUE(fs::exists(results.back().path) && fs::file_size(twin.path) == kCloneFileSize);

    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(fs::exists(results[i].path), i == 3) << i; // the oldest three are gone
    EXPECT_TRUE(fs::exists(m_dir / "notes.txt") && fs::exists(m_dir / "KSR-410_old.t46")); // not ours
    EXPECT_EQ(std::count_if(fs::directory_iterator(m_dir), fs::directory_iterator(),
                            [](const auto& e) { return IsBackupFileName(e.path().filename().string()); }),
              50);
}

TEST_F(BackupTest, AFolderThatCannotBeMadeIsReportedWithThePath) {
    std::ofstream(m_dir.string()) << "a file in the way";
    const BackupResult result = WriteBackup((m_dir / "backups").string(), m_image, At(kNoon));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(m_dir.string()), std::string::npos) << result.error;
}

} // namespace
} // namespace zt46
