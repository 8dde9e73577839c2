#pragma once
// Two images compared by what they mean, in the words the grid and the dialogs use: the identity, each
// changed setting, each changed channel cell, the alignment values, and whatever else differs as byte
// ranges. The same map names the differing ranges when a radio does not hold what was written to it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/image/CloneImage.h"

namespace zt46 {

class UserPrompts;

enum class DifferenceKind { Identity, Setting, Channel, Alignment, Bytes };

struct ImageDifference {
    DifferenceKind kind;
    // "<where> / <name>: <first> → <second>", e.g. "MR 12 / TAG: TOWER → GROUND"; bytes nobody interprets
    // as "Bytes 48..50 (not interpreted): 00 00 FF → 01 00 FF".
    std::string line;
};

// Every difference from `first` to `second`, in a fixed order: identity, settings, VFOs, channels (MR,
// Book MR, Weather), alignment values, then the remaining bytes by address. Empty for equal images.
std::vector<ImageDifference> CompareImages(const CloneImage& first, const CloneImage& second);
// "No differences.", "1 difference.", "12 differences."
std::string CompareSummary(const std::vector<ImageDifference>& differences);

// The image as the program holds it once loaded: decoded into the models and written back (blank channel
// records filled in, the check value renewed), so that two images are compared as the program would show
// them.
CloneImage AsLoaded(const CloneImage& image);
// A clone file with the checks of File > Open, as loaded; nullopt after the file's message.
std::optional<CloneImage> ReadCloneAsLoaded(const std::string& path, UserPrompts& prompts);

struct ByteRange {
    std::size_t first;
    std::size_t last; // inclusive
};

// What a byte of the image holds: "channel MR 12", "System settings", "alignment block", ...
std::string RegionName(std::size_t offset);
// The runs of differing bytes, each within one region.
std::vector<ByteRange> DifferingRanges(const CloneImage& first, const CloneImage& second);
// "bytes 3800..3803: identity block", "byte 304: channel MR 1", one per differing range.
std::vector<std::string> DescribeDifferingRanges(const CloneImage& first, const CloneImage& second);

} // namespace zt46
