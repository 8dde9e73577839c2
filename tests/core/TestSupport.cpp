#include "TestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace zt46::test {

TempDir::TempDir() {
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() / ("zt46-test-" + std::to_string(random()));
    std::filesystem::create_directories(m_path);
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

std::string WriteClone(const std::string& path, const CloneImage& image, const ImageTrailer& trailer) {
    std::vector<unsigned char> bytes(image.begin(), image.end());
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return WriteBytes(path, bytes);
}

std::uint8_t* Record(CloneImage& image, int index) {
    return &image[ChannelRecordOffset(index)];
}

void SetRecord(CloneImage& image, int index, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), Record(image, index));
}

DocFixture::DocFixture() {
    std::filesystem::create_directories(dir.File("work"));
    std::filesystem::create_directories(dir.File("program"));
}

} // namespace zt46::test
