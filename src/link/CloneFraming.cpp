#include "link/CloneFraming.h"

#include <algorithm>

#include "core/image/Fields.h"

namespace zt46 {

std::uint8_t FrameSum(std::span<const std::uint8_t> bytes, std::uint8_t start) {
    unsigned sum = start;
    for (std::uint8_t b : bytes)
        sum += b;
    return static_cast<std::uint8_t>(sum);
}

std::vector<std::uint8_t> DownloadFrameHead(bool privileged, std::size_t dataBytes, int blockNumber) {
    return {privileged ? clone::kLeadPrivileged : clone::kLeadNormal,
            static_cast<std::uint8_t>(dataBytes + 2), static_cast<std::uint8_t>(blockNumber & 0xFF)};
}

bool UploadFrameFits(std::uint8_t lengthByte, std::size_t received) {
    return lengthByte >= 3 && received + (lengthByte - 2u) <= kImageSize;
}

void MergeIntoRadioImage(CloneImage& radio, const CloneImage& user, bool privileged,
                         IdentityChoice identity) {
    auto take = [&](std::size_t first, std::size_t last) {
        std::copy(user.begin() + static_cast<long>(first), user.begin() + static_cast<long>(last) + 1,
                  radio.begin() + static_cast<long>(first));
    };
    take(kAdjustChecksumOffset, kAdjustBlockAOffset - 1); // bytes 0..1: the radio's firmware version stays
    if (privileged) take(kAdjustBlockBOffset, kAdjustBlockBEnd - 1);
    take(kCommonSettingsOffset, kIdentityOffset - 1);
    if (!privileged && identity == IdentityChoice::File) take(kIdentityOffset, kIdentityEnd - 1);
    UpdateAdjustChecksum(radio);
}

bool SameHardware(const CloneImage& a, const CloneImage& b) {
    return GetField(a, fields::HardwareConfiguration) == GetField(b, fields::HardwareConfiguration);
}

} // namespace zt46
