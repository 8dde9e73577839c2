#pragma once
// The radio's factory content, used when no clone file can be loaded.

#include "core/image/CloneImage.h"

namespace zt46 {

const CloneImage& FactoryImage();

} // namespace zt46
