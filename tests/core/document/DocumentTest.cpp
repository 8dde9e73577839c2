#include <gtest/gtest.h>

#include <filesystem>

#include "core/document/CloneFile.h"
#include "core/document/FactoryImage.h"
#include "core/util/Messages.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

namespace fs = std::filesystem;
using test::DocFixture;

CloneImage MarkedImage(std::uint8_t mark) {
    CloneImage image = FactoryImage();
    image[3900] = mark; // a byte no model touches
    return image;
}

TEST(DocumentTest, OpenRefusesBadFilesAndKeepsTheImage) {
    struct Case {
        std::size_t size;
        bool exists;
        int message;
    };
    for (const Case& c : {Case{4103, true, IDS_INVALID_FORMAT}, Case{4105, true, IDS_INVALID_FORMAT},
                          Case{0, true, IDS_INVALID_FORMAT}, Case{4104, false, IDS_OPEN_FILE_ERROR}}) {
        DocFixture f;
        f.doc.LoadFactoryImage();
        const std::string path = f.dir.File("bad.t46");
        if (c.exists) test::WriteBytes(path, std::vector<unsigned char>(c.size, 0x11));
        f.dialogs.paths.push_back(path);
        EXPECT_FALSE(f.doc.Open());
        EXPECT_EQ(f.prompts.ids, std::vector<int>{c.message}) << c.size;
        EXPECT_EQ(f.doc.Image(), FactoryImage());
    }
}

TEST(DocumentTest, OpenThenSaveKeepsTheTrailerAndWritesModelsAndChecksum) {
    DocFixture f;
    const ImageTrailer trailer{9, 8, 7, 6, 5, 4, 3, 2};
    CloneImage image = MarkedImage(0x42);
    image[2000] = 0x77; // inside the cleared channel area: rebuilt from the models
    const std::string path = test::WriteClone(f.dir.File("a.T46"), image, trailer);
    f.dialogs.paths.push_back(path);
    ASSERT_TRUE(f.doc.Open());
    EXPECT_EQ(
        std::tuple(f.doc.CurrentFileName(), f.doc.ImageFromFile(), f.doc.Image()[3900], f.doc.Trailer()),
        std::tuple(path, true, 0x42, trailer));
    EXPECT_TRUE(f.prompts.ids.empty());
    f.doc.SetModified();
    ASSERT_TRUE(f.doc.Save());
    EXPECT_FALSE(f.doc.ImageModified());
    const auto bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), kCloneFileSize);
    // The factory block sums to 2C C0.
    EXPECT_EQ(std::tuple(bytes[2] << 8 | bytes[3], bytes[3900], bytes[2000]),
              std::tuple(0x2CC0, 0x42, FactoryImage()[2000]));
    EXPECT_TRUE(std::equal(trailer.begin(), trailer.end(), bytes.end() - 8));
}

TEST(DocumentTest, SaveRefusesReadOnlyTargets) {
    DocFixture f;
    const std::string path = test::WriteClone(f.dir.File("ro.t46"), MarkedImage(1));
    ASSERT_TRUE(f.doc.LoadFileStrict(path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    f.doc.SetModified();
    EXPECT_FALSE(f.doc.Save());
    EXPECT_EQ(std::tuple(f.prompts.ids, f.doc.ImageModified(), test::ReadBytes(path)[3900]),
              std::tuple(std::vector<int>{IDS_READ_ONLY}, true, 1));
}

TEST(DocumentTest, SavingTheDefaultFileAsksFirst) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        DocFixture f;
        const std::string path = test::WriteClone(f.dir.File("zt46DEFAULT.T46"), MarkedImage(1));
        ASSERT_TRUE(f.doc.LoadFileStrict(path));
        f.doc.Image()[3900] = 2;
        f.prompts.answers.push_back(answer);
        EXPECT_EQ(f.doc.Save(), answer == Answer::Yes);
        EXPECT_EQ(std::tuple(f.prompts.ids, test::ReadBytes(path)[3900]),
                  std::tuple(std::vector<int>{IDS_WRITE_DEFAULT_FILE}, answer == Answer::Yes ? 2 : 1));
    }
}

TEST(DocumentTest, FailedWriteKeepsTheOldFileAndReportsFailure) {
    DocFixture f;
    f.doc.LoadFactoryImage();
    // A folder where the file should be cannot be replaced.
    fs::create_directory(f.dir.File("folder.t46"));
    f.dialogs.paths.push_back(f.dir.File("folder.t46"));
    f.doc.SetModified();
    EXPECT_FALSE(f.doc.SaveAs());
    EXPECT_EQ(std::pair(f.prompts.ids, f.doc.ImageModified()),
              std::pair(std::vector<int>{IDS_CREATE_FILE_ERROR}, true));
    // A parent that is a regular file: nothing can be created there.
    test::RecordingPrompts prompts;
    const std::string blocker = test::WriteBytes(f.dir.File("plain"), {1});
    EXPECT_FALSE(WriteCloneFile(blocker + "/x.t46", f.doc.Image(), f.doc.Trailer(), prompts));
    EXPECT_EQ(prompts.ids, std::vector<int>{IDS_CREATE_FILE_ERROR});
    // No temporary files are left beside the targets: work, program, folder.t46, plain.
    EXPECT_EQ(std::distance(fs::directory_iterator(f.dir.Path()), fs::directory_iterator()), 4);
}

TEST(DocumentTest, WritePreservesPermissions) {
    test::TempDir dir;
    test::RecordingPrompts prompts;
    const std::string path = test::WriteClone(dir.File("p.t46"), FactoryImage());
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    ASSERT_TRUE(WriteCloneFile(path, MarkedImage(5), ImageTrailer{}, prompts));
    EXPECT_EQ(std::pair(fs::status(path).permissions() & fs::perms::all, test::ReadBytes(path)[3900] + 0),
              std::pair(perms, 5));
}

// Saving a document without a file runs Save As; the chosen path is kept whole, however long.
TEST(DocumentTest, AskToSaveGoesOnOnlyWhenTheChangesReachedAFile) {
    struct Case {
        Answer answer;
        bool saveAsChosen; // false: the Save As dialog is cancelled
        bool goesOn;
    };
    for (const Case& c : {Case{Answer::Cancel, false, false}, Case{Answer::No, false, true},
                          Case{Answer::Yes, false, false}, Case{Answer::Yes, true, true}}) {
        DocFixture f;
        f.doc.LoadFactoryImage();
        f.doc.SetModified();
        f.prompts.answers.push_back(c.answer);
        const std::string saved = f.dir.File(std::string(90, 'x') + ".t46");
        if (c.saveAsChosen) f.dialogs.paths.push_back(saved);
        const bool goesOn = f.doc.New();
        EXPECT_EQ(std::tuple(goesOn, f.prompts.ids.front(), goesOn || f.doc.ImageModified(),
                             fs::exists(saved) && fs::file_size(saved) == kCloneFileSize),
                  std::tuple(c.goesOn, IDS_SAVE_CHANGES, true, c.saveAsChosen));
    }
}

TEST(DocumentTest, NewFindsTheDefaultFileInTheWorkingFolderThenBesideTheProgram) {
    DocFixture f; // the working folder's file comes second: it is taken over the program's
    for (const auto& [folder, mark] : {std::pair{"program", 0x0B}, {"work", 0x0A}}) {
        const std::string path =
            test::WriteClone(f.dir.File(folder + std::string("/ZT46default.t46")), MarkedImage(mark));
        ASSERT_TRUE(f.doc.New());
        EXPECT_EQ(std::pair(f.doc.CurrentFileName(), f.doc.Image()[3900] + 0), std::pair(path, mark));
    }
}

// Without a default file the built-in image is written out (after the models went back into it: its
// check value is set); an unusable one is said so and never overwritten.
TEST(DocumentTest, WithoutAUsableDefaultFileTheBuiltInImageIsUsed) {
    for (const bool broken : {false, true}) {
        DocFixture f;
        const std::string path = f.dir.File("work/ZT46default.t46");
        if (broken) test::WriteBytes(path, {1, 2, 3});
        ASSERT_TRUE(f.doc.New());
        EXPECT_EQ(std::tuple(f.doc.CurrentFileName(), f.doc.ImageFromFile(), f.doc.Image()[2]),
                  std::tuple("<none>", false, 0x2C));
        const auto bytes = test::ReadBytes(path);
        EXPECT_EQ(std::tuple(f.prompts.ids, bytes.size(), bytes[2]),
                  std::tuple(broken ? std::vector<int>{IDS_READ_FILE_ERROR} : std::vector<int>{},
                             broken ? 3 : kCloneFileSize, broken ? 3 : 0x2C));
    }
}

// A file named on the command line loads without the length check of Open, but one that cannot be opened
// or read is said so, with its path, and never replaced by the built-in image.
TEST(DocumentTest, CommandLineFileLoadsOrIsRefusedWithItsPath) {
    struct Case {
        const char* name;
        std::size_t bytes; // 0: no such file
        int message;       // 0: it loads
    };
    for (const Case& c :
         {Case{"missing.t46", 0, IDS_OPEN_FILE_ERROR}, Case{"short.t46", 100, IDS_READ_FILE_ERROR},
          Case{"long.t46", kCloneFileSize + 10, 0}}) {
        SCOPED_TRACE(c.name);
        DocFixture f;
        f.doc.LoadFactoryImage();
        const std::string path = f.dir.File(c.name);
        if (c.bytes) test::WriteBytes(path, std::vector<unsigned char>(c.bytes, 0x11));
        EXPECT_EQ(f.doc.OpenNamedFile(path), c.message == 0);
        if (c.message == 0) {
            EXPECT_EQ(std::tuple(f.prompts.ids.size(), f.doc.CurrentFileName(), f.doc.Image()[0]),
                      std::tuple(0u, path, 0x11));
        } else {
            ASSERT_EQ(f.prompts.ids, std::vector<int>{c.message});
            EXPECT_NE(f.prompts.texts[0].find(path), std::string::npos);
            EXPECT_EQ(std::tuple(f.doc.CurrentFileName(), fs::exists(f.dir.File("work/ZT46default.t46"))),
                      std::tuple("<none>", false));
        }
    }
}

TEST(DocumentTest, ModelsToImageClearsOnlyTheChannelAreaItRebuilds) {
    DocFixture f;
    CloneImage image = FactoryImage();
    image[kMrOffset + 14 * 160 + 1] |= 0x10; // a Book record's uninterpreted bit beyond the cleared range
    image[kWeatherOffset + 1] |= 0x10;       // a Weather record's, inside it
    ASSERT_TRUE(f.doc.LoadFileStrict(test::WriteClone(f.dir.File("x.t46"), image)));
    f.doc.ModelsToImage();
    EXPECT_EQ(
        std::pair(f.doc.Image()[kMrOffset + 14 * 160 + 1] & 0x10, f.doc.Image()[kWeatherOffset + 1] & 0x10),
        std::pair(0x10, 0));
}

} // namespace
} // namespace zt46
