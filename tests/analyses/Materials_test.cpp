#include "analyses/Materials.h"

#include <gtest/gtest.h>

#include "common/Errors.h"

namespace calvora {
namespace {

struct MaterialCase {
  const char* item;
  const char* entry;  // the page's conductivity entry, read only for "Other material"
  char separator;
  double expected;
};

class WallConductivityTest : public ::testing::TestWithParam<MaterialCase> {};

TEST_P(WallConductivityTest, GivesTheMaterialsConductivity) {
  const MaterialCase& c = GetParam();
  EXPECT_EQ(WallConductivity(c.item, c.entry, c.separator), c.expected) << c.item;
  const std::optional<MaterialKind> kind = MaterialFromItem(c.item);
  ASSERT_TRUE(kind.has_value());
  EXPECT_EQ(WallConductivity(*kind, c.entry, c.separator), c.expected);
}

// Handbook conductivities near room temperature; "Other material" as typed, unchecked.
INSTANTIATE_TEST_SUITE_P(Materials, WallConductivityTest,
                         ::testing::Values(MaterialCase{"Copper", "", '.', 385},
                                           MaterialCase{"Aluminium", "not read", '.', 202},
                                           MaterialCase{"Carbon Steel", "", '.', 43},
                                           MaterialCase{"Chrome Nickel Steel", "99", '.', 16.3},
                                           MaterialCase{"Other material", "12,5", ',', 12.5},
                                           MaterialCase{"Other material", " 60.5 ", '.', 60.5},
                                           MaterialCase{"Other material", "0", '.', 0},
                                           MaterialCase{"Other material", "-3", '.', -3}));

TEST(Materials, OtherMaterialWithoutANumberIsAConversionError) {
  for (const char* entry : {"", "   ", "abc", "12.5"}) {
    EXPECT_THROW(WallConductivity("Other material", entry, ','), ConversionError) << entry;
  }
}

TEST(Materials, AnUnknownItemIsNoSelection) {
  for (const char* item : {"", "copper", "Copper ", "Other"}) {
    EXPECT_FALSE(MaterialFromItem(item).has_value()) << item;
    EXPECT_THROW(WallConductivity(item, "1", '.'), SelectionError) << item;
  }
}

}  // namespace
}  // namespace calvora
