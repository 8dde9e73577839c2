#pragma once
// The "VFO A" page.

#include "image/CloneImage.h"
#include "settings/CCmVFOPage.h"

namespace zt46 {

class CCmVFOPage1 : public CCmVFOPage {
public:
    explicit CCmVFOPage1(Document& document, QWidget* parent = nullptr)
        : CCmVFOPage(document, kVfoAIds, kVfoAOffset, parent) {}
};

} // namespace zt46
