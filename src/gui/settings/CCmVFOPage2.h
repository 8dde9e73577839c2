#pragma once
// The "VFO B" page.

#include "image/CloneImage.h"
#include "settings/CCmVFOPage.h"

namespace zt46 {

class CCmVFOPage2 : public CCmVFOPage {
public:
    explicit CCmVFOPage2(Document& document, QWidget* parent = nullptr)
        : CCmVFOPage(document, kVfoBIds, kVfoBOffset, parent) {}
};

} // namespace zt46
