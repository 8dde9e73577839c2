#include <gtest/gtest.h>

#include "core/editor/InputFilters.h"

namespace zt46 {
namespace {

// The keys a filter takes and some it refuses; every filter takes Backspace, and none takes 0xC1, which
// would read as 'A' by its low seven bits (the radio has no such character).
template <typename Kind> void Check(Kind kind, const char* accepted, const char* refused) {
    for (const char* p = accepted; *p; ++p)
        EXPECT_TRUE(FilterAccepts(kind, *p)) << int(kind) << " " << *p;
    for (const char* p = refused; *p; ++p)
        EXPECT_FALSE(FilterAccepts(kind, *p)) << int(kind) << " " << *p;
    EXPECT_TRUE(FilterAccepts(kind, kBackspace));
    EXPECT_FALSE(FilterAccepts(kind, U'\u00C1'));
}

TEST(InputFiltersTest, EachKindTakesItsKeys) {
    Check(EditFilter::Tag, "09AZaz ()+=*/:-_", "!.,#\"'");
    Check(EditFilter::Frequency, "0123456789. ", "a-+:");
    Check(EditFilter::HexByte, "09ABCDEFabcdef", "Gg ");
    Check(ConfirmFilter::Decimal, "09. ", "-a");
    Check(ConfirmFilter::Signed, "09 -+", ".a");
    Check(ConfirmFilter::SignedDecimal, "09. -+", "a,");
    Check(ConfirmFilter::DigitsSpace, "09 ", ".-");
}

} // namespace
} // namespace zt46
