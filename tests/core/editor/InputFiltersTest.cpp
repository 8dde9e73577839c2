#include <gtest/gtest.h>

#include "core/editor/InputFilters.h"

namespace zt46 {
namespace {

struct FilterCase {
    int kind;
    const char* accepted;
    const char* refused;
};

TEST(InputFiltersTest, FilterEditKinds) {
    const FilterCase cases[] = {
        {0, "09AZaz ()+=*/:-_", "!.,#\"'"},
        {1, "0123456789. ", "a-+:"},
        {2, "09ABCDEabcde", "Ff#"},
        {3, "09ABCDEFabcdef", "Gg "},
        {4, "aZ0 $", "!,#%&.;~"},
        {5, "09:", ". "},
        {6, "09", ". a"},
        {8, "09. ", "a:"},
    };
    for (const FilterCase& c : cases) {
        for (const char* p = c.accepted; *p; ++p)
            EXPECT_TRUE(FilterAccepts(c.kind, *p)) << c.kind << " " << *p;
        for (const char* p = c.refused; *p; ++p)
            EXPECT_FALSE(FilterAccepts(c.kind, *p)) << c.kind << " " << *p;
        EXPECT_TRUE(FilterAccepts(c.kind, kBackspace));
    }
}

TEST(InputFiltersTest, CharactersBeyondAsciiNeverPass) {
    // 0xC1 would read as 'A' by its low seven bits; the radio has no such character.
    for (int kind : {0, 4})
        EXPECT_FALSE(FilterAccepts(kind, U'\u00C1'));
    EXPECT_FALSE(ConfirmFilterAccepts(4, U'\u00E9', 0));
}

TEST(InputFiltersTest, ConfirmEditKinds) {
    const FilterCase cases[] = {
        {1, "09. ", "-a"},
        {2, "09 -+", ".a"},
        {3, "09ABCDabcd#*", "Ee."},
        {4, "aZ0 :", "!\"#$%&',.;<>?@^{|}~"},
        {5, "09. -+", "a"},
        {6, "09 ", ".-"},
        {7, "09AFaf", "Gg"},
        {8, "09", " ."},
        {16, "09:", "."},
        {17, "", "0a "},
        {42, "a!~", ""},
    };
    for (const FilterCase& c : cases) {
        for (const char* p = c.accepted; *p; ++p)
            EXPECT_TRUE(ConfirmFilterAccepts(c.kind, *p, 0)) << c.kind << " " << *p;
        for (const char* p = c.refused; *p; ++p)
            EXPECT_FALSE(ConfirmFilterAccepts(c.kind, *p, 0)) << c.kind << " " << *p;
    }
    EXPECT_TRUE(ConfirmFilterAccepts(9, 'c', 1));
    EXPECT_TRUE(ConfirmFilterAccepts(9, 'N', 1));
    EXPECT_FALSE(ConfirmFilterAccepts(9, 'O', 1));
    EXPECT_FALSE(ConfirmFilterAccepts(9, '5', 1));
    EXPECT_TRUE(ConfirmFilterAccepts(9, '5', 0));
    EXPECT_FALSE(ConfirmFilterAccepts(9, 'C', 2));
    EXPECT_TRUE(ConfirmFilterAccepts(17, kBackspace, 0));
}

} // namespace
} // namespace zt46
