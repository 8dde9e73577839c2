#pragma once
// Clone files: exactly 4104 bytes, the image followed by the 8-byte trailer.

#include <string>

#include "core/image/CloneImage.h"

namespace zt46 {

class UserPrompts;

// Reads the image and then up to 8 trailer bytes (a short trailer is not an error). Messages 32 and 34.
bool ReadCloneFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, UserPrompts& prompts);
// Writes the image and the trailer into a temporary file beside the target and renames it over the
// target, keeping the target's permissions, so a failed write never destroys the old file.
// Messages 35 (cannot create) and 33 (cannot write).
bool WriteCloneFile(const std::string& path, const CloneImage& image, const ImageTrailer& trailer,
                    UserPrompts& prompts);

} // namespace zt46
