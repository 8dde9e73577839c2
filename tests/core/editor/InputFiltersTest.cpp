#include <gtest/gtest.h>

#include "core/editor/InputFilters.h"

namespace zt46 {
namespace {

template <typename Kind> struct FilterCase {
    Kind kind;
    const char* accepted;
    const char* refused;
};

template <typename Kind> void Check(const FilterCase<Kind>& c) {
    for (const char* p = c.accepted; *p; ++p)
        EXPECT_TRUE(FilterAccepts(c.kind, *p)) << int(c.kind) << " " << *p;
    for (const char* p = c.refused; *p; ++p)
        EXPECT_FALSE(FilterAccepts(c.kind, *p)) << int(c.kind) << " " << *p;
    EXPECT_TRUE(FilterAccepts(c.kind, kBackspace));
    // 0xC1 would read as 'A' by its low seven bits; the radio has no such character.
    EXPECT_FALSE(FilterAccepts(c.kind, U'\u00C1'));
}

TEST(InputFiltersTest, FilterEditKinds) {
    for (const auto& c : {
             FilterCase<EditFilter>{EditFilter::Tag, "09AZaz ()+=*/:-_", "!.,#\"'"},
             FilterCase<EditFilter>{EditFilter::Frequency, "0123456789. ", "a-+:"},
             FilterCase<EditFilter>{EditFilter::HexByte, "09ABCDEFabcdef", "Gg "},
         })
        Check(c);
}

TEST(InputFiltersTest, ConfirmEditKinds) {
    for (const auto& c : {
             FilterCase<ConfirmFilter>{ConfirmFilter::Decimal, "09. ", "-a"},
             FilterCase<ConfirmFilter>{ConfirmFilter::Signed, "09 -+", ".a"},
             FilterCase<ConfirmFilter>{ConfirmFilter::SignedDecimal, "09. -+", "a,"},
             FilterCase<ConfirmFilter>{ConfirmFilter::DigitsSpace, "09 ", ".-"},
         })
        Check(c);
}

} // namespace
} // namespace zt46
