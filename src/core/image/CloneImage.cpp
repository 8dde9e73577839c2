#include "core/image/CloneImage.h"

namespace zt46 {

std::uint16_t ComputeAdjustChecksum(const CloneImage& image) {
    unsigned sum = 0;
    for (std::size_t i = kAdjustBlockBOffset; i < kAdjustBlockBEnd; i += 2)
        sum += ReadBe16(&image[i]);
    return static_cast<std::uint16_t>(sum);
}

std::uint16_t StoredAdjustChecksum(const CloneImage& image) {
    return ReadBe16(&image[kAdjustChecksumOffset]);
}

void UpdateAdjustChecksum(CloneImage& image) {
    WriteBe16(&image[kAdjustChecksumOffset], ComputeAdjustChecksum(image));
}

} // namespace zt46
