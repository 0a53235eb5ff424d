#include "properties/FluidTables.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>
#include <limits>

#include "common/FloatingPoint.h"

namespace calvora {

// Found by the test printer next to the enumeration.
static void PrintTo(FluidKind value, std::ostream* os) {
  *os << "fluid " << static_cast<int>(value);
}

namespace {

using test_names::PrintTo;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A record no table holds, to see whether a lookup wrote anything.
constexpr FluidProperties kSentinel{-1, -2, -3, -4, -5};

void ExpectSameBits(const FluidProperties& actual, const FluidProperties& expected) {
  EXPECT_EQ(actual.prandtl, expected.prandtl);
  EXPECT_EQ(actual.specificHeat, expected.specificHeat);
  EXPECT_EQ(actual.viscosity, expected.viscosity);
  EXPECT_EQ(actual.conductivity, expected.conductivity);
  EXPECT_EQ(actual.density, expected.density);
}

void ExpectClose(const FluidProperties& actual, const FluidProperties& expected) {
  auto near = [](double a, double e) { EXPECT_NEAR(a, e, std::fabs(e) * 1e-12) << e; };
  near(actual.prandtl, expected.prandtl);
  near(actual.specificHeat, expected.specificHeat);
  near(actual.viscosity, expected.viscosity);
  near(actual.conductivity, expected.conductivity);
  near(actual.density, expected.density);
}

class EveryTableTest : public ::testing::TestWithParam<FluidKind> {
 protected:
  const FluidTable& table() const { return *TableOf(GetParam()); }
};

TEST_P(EveryTableTest, ARowTemperatureReturnsTheRowBitForBit) {
  for (const FluidTableRow& row : table()) {
    FluidProperties p = kSentinel;
    EXPECT_TRUE(FluidPropertiesAt(GetParam(), row.temperature, p)) << row.temperature;
    ExpectSameBits(p, row.properties);
  }
}

TEST_P(EveryTableTest, BetweenRowsEachColumnIsLinear) {
  for (std::size_t i = 1; i < table().size(); ++i) {
    const FluidTableRow& a = table()[i - 1];
    const FluidTableRow& b = table()[i];
    const double t = a.temperature + 0.25 * (b.temperature - a.temperature);
    FluidProperties p = kSentinel;
    EXPECT_TRUE(FluidPropertiesAt(GetParam(), t, p)) << t;
    // A quarter of the way from row a to row b.
    auto quarter = [](double va, double vb) { return 0.75 * va + 0.25 * vb; };
    ExpectClose(p, {quarter(a.properties.prandtl, b.properties.prandtl),
                    quarter(a.properties.specificHeat, b.properties.specificHeat),
                    quarter(a.properties.viscosity, b.properties.viscosity),
                    quarter(a.properties.conductivity, b.properties.conductivity),
                    quarter(a.properties.density, b.properties.density)});
  }
}

TEST_P(EveryTableTest, BeyondEitherEndTheCallersValuesSurvive) {
  const double first = table().front().temperature;
  const double last = table().back().temperature;
  for (double t : {std::nextafter(first, -kInfinity), first - 50, -kInfinity,
                   std::nextafter(last, kInfinity), last + 0.0001, last + 1000, kInfinity, kNaN}) {
    FluidProperties p = kSentinel;
    FloatingPointGuard guard;
    EXPECT_FALSE(FluidPropertiesAt(GetParam(), t, p)) << t;
    ExpectSameBits(p, kSentinel);
    EXPECT_NO_THROW(guard.check()) << t;
  }
}

TEST_P(EveryTableTest, RangeIsTheFirstAndLastRowBothIncluded) {
  const double first = table().front().temperature;
  const double last = table().back().temperature;
  const TemperatureRange range = FluidTemperatureRange(GetParam());
  EXPECT_EQ(range.minimum, first);
  EXPECT_EQ(range.maximum, last);
  EXPECT_TRUE(TemperatureInRange(GetParam(), first));
  EXPECT_TRUE(TemperatureInRange(GetParam(), last));
  EXPECT_FALSE(TemperatureInRange(GetParam(), std::nextafter(first, -kInfinity)));
  EXPECT_FALSE(TemperatureInRange(GetParam(), std::nextafter(last, kInfinity)));
  EXPECT_FALSE(TemperatureInRange(GetParam(), kNaN));
}

TEST_P(EveryTableTest, StartingRecordIsTheNearestRow) {
  const FluidTable& t = table();
  ExpectSameBits(StartingProperties(GetParam(), t.front().temperature - 1000), t[0].properties);
  ExpectSameBits(StartingProperties(GetParam(), -kInfinity), t[0].properties);
  ExpectSameBits(StartingProperties(GetParam(), kNaN), t[0].properties);
  ExpectSameBits(StartingProperties(GetParam(), t.back().temperature + 1000), t[9].properties);
  ExpectSameBits(StartingProperties(GetParam(), kInfinity), t[9].properties);
  for (std::size_t i = 1; i < t.size(); ++i) {
    const double gap = t[i].temperature - t[i - 1].temperature;
    ExpectSameBits(StartingProperties(GetParam(), t[i - 1].temperature + 0.4 * gap),
                   t[i - 1].properties);
    ExpectSameBits(StartingProperties(GetParam(), t[i - 1].temperature + 0.6 * gap),
                   t[i].properties);
  }
}

TEST_P(EveryTableTest, StartingRecordThenOutOfRangeLookupStaysFinite) {
  // An analysis that rejected its inlet temperature still computes with it; the
  // starting record keeps that computation free of spurious failures.
  for (double t : {table().front().temperature - 40, table().back().temperature + 40}) {
    FloatingPointGuard guard;
    FluidProperties p = StartingProperties(GetParam(), t);
    FluidPropertiesAt(GetParam(), t, p);
    volatile double prandtl = p.specificHeat * p.viscosity / p.conductivity / p.density;
    (void)prandtl;
    EXPECT_NO_THROW(guard.check()) << t;
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltInFluids, EveryTableTest,
                         ::testing::Values(FluidKind::Air, FluidKind::SaturatedWater,
                                           FluidKind::EngineOil),
                         [](const auto& info) {
                           return test_names::Words(info.index, "fluid",
                                                    static_cast<int>(info.param));
                         });

struct ExampleCase {
  const char* name;
  FluidKind kind;
  double temperature;
  FluidProperties expected;
};

class ExampleValueTest : public ::testing::TestWithParam<ExampleCase> {};

// Hand interpolations between the tabulated rows (halfway or a quarter of the way).
TEST_P(ExampleValueTest, MatchesHandInterpolation) {
  const ExampleCase& c = GetParam();
  FluidProperties p = kSentinel;
  EXPECT_TRUE(FluidPropertiesAt(c.kind, c.temperature, p));
  ExpectClose(p, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleValueTest,
    ::testing::Values(
        ExampleCase{"air_27_row", FluidKind::Air, 27, {0.708, 1005.7, 1.983e-5, 0.02624, 1.1774}},
        ExampleCase{
            "air_52_halfway", FluidKind::Air, 52, {0.7025, 1007.35, 2.029e-5, 0.028135, 1.0877}},
        ExampleCase{"water_30_halfway",
                    FluidKind::SaturatedWater,
                    30,
                    {5.68, 4180.1, 0.0008305, 0.6125, 997.555}},
        ExampleCase{"oil_20_row", FluidKind::EngineOil, 20, {10400, 1880, 0.799407, 0.145, 888.23}},
        ExampleCase{"oil_25_halfway",
                    FluidKind::EngineOil,
                    25,
                    {8517.5, 1901, 0.6511135, 0.14475, 885.185}},
        ExampleCase{
            "air_377_last_row", FluidKind::Air, 377, {0.682, 1063.5, 3.177e-5, 0.04953, 0.5430}},
        ExampleCase{"water_300_last_row",
                    FluidKind::SaturatedWater,
                    300,
                    {1.019, 5728.0, 0.000096, 0.540, 714.26}},
        ExampleCase{
            "oil_160_last_row", FluidKind::EngineOil, 160, {84, 2483, 0.004513, 0.132, 805.89}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FluidTables, TabulatedPrandtlIsKeptWhereItDiffersFromTheOtherColumns) {
  // Air at 27 deg C: cp mu / k = 0.760..., the table says 0.708.
  FluidProperties p;
  AirProperties(27, p);
  EXPECT_EQ(p.prandtl, 0.708);
  EXPECT_EQ(p.viscosity, 1.983e-5);
  AirProperties(-23, p);
  EXPECT_EQ(p.viscosity, 1.488e-5);
}

TEST(FluidTables, OtherFluidHasNoTableAndNoRange) {
  FluidProperties p = kSentinel;
  EXPECT_FALSE(FluidPropertiesAt(FluidKind::OtherFluid, 27, p));
  ExpectSameBits(p, kSentinel);
  EXPECT_EQ(TableOf(FluidKind::OtherFluid), nullptr);
  EXPECT_TRUE(TemperatureInRange(FluidKind::OtherFluid, -1000));
  EXPECT_TRUE(TemperatureInRange(FluidKind::OtherFluid, 5000));
  ExpectSameBits(StartingProperties(FluidKind::OtherFluid, 27), FluidProperties{});
}

}  // namespace
}  // namespace calvora
