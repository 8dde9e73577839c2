#include "support/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <stdlib.h>

#include "core/document/FactoryImage.h"
#include "core/image/Fields.h"

namespace zt46::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zt46-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReadText(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::string WriteClone(const std::string& path, const CloneImage& image, const ImageTrailer& trailer) {
    std::vector<unsigned char> bytes(image.begin(), image.end());
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return WriteBytes(path, bytes);
}

CloneImage ReadImage(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    if (bytes.size() < kImageSize) throw std::runtime_error("short file " + path);
    CloneImage image{};
    std::copy_n(bytes.begin(), kImageSize, image.begin());
    return image;
}

CloneImage PatternImage(unsigned seed) {
    std::mt19937 random(seed);
    CloneImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(random());
    SetField(image, fields::HardwareConfiguration, GetField(FactoryImage(), fields::HardwareConfiguration));
    return image;
}

CloneImage SplitExpandedImage() {
    CloneImage image = FactoryImage();
    image[7] |= 0x02 | 0x04; // RX expansion, weather band
    image[47] |= 0x01;       // TX expansion
    const std::uint8_t record[14] = {0x08, 0x49, 36, 36, 36, 36, 36, 36, 36, 36, 0x44, 0xC0, 0x57, 0x80};
    for (std::size_t at : {ChannelRecordOffset(0), kVfoAOffset})
        std::copy_n(record, 14, &image[at]);
    return image;
}

DocFixture::DocFixture() {
    std::filesystem::create_directories(dir.File("work"));
    std::filesystem::create_directories(dir.File("program"));
}

void DocFixture::Load(const CloneImage& image) {
    doc.Image() = image;
    doc.ImageToModels();
    doc.ModelsToImage();
    doc.SetModified(false);
}

} // namespace zt46::test
