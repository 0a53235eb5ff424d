#include "common/FloatingPoint.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cfloat>
#include <cmath>
#include <functional>

#include "common/Errors.h"
#include "common/Messages.h"

namespace calvora {
namespace {

using test_names::PrintTo;

volatile double gZero = 0.0;
volatile double gOne = 1.0;
volatile double gHuge = DBL_MAX;
volatile double gTiny = DBL_MIN;

struct FailureCase {
  const char* name;
  std::function<double()> step;
  bool fails;
};

class FailureKindTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureKindTest, IsCaughtAtItsStep) {
  const FailureCase& c = GetParam();
  FloatingPointGuard guard;
  EXPECT_NO_THROW(guard.check());
  volatile double result = c.step();
  (void)result;
  if (c.fails) {
    EXPECT_THROW(guard.check(), MathError) << c.name;
  } else {
    EXPECT_NO_THROW(guard.check()) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FailureKindTest,
    ::testing::Values(FailureCase{"division by zero", [] { return gOne / gZero; }, true},
                      FailureCase{"zero over zero", [] { return gZero / gZero; }, true},
                      FailureCase{"log of negative", [] { return std::log(-gOne); }, true},
                      FailureCase{"log of zero", [] { return std::log(gZero); }, true},
                      FailureCase{"sqrt of negative", [] { return std::sqrt(-gOne); }, true},
                      FailureCase{"overflow", [] { return gHuge * 10.0; }, true},
                      FailureCase{"underflow gives zero", [] { return gTiny * gTiny; }, false},
                      FailureCase{"exp underflow", [] { return std::exp(-1000.0 * gOne); }, false},
                      FailureCase{"plain arithmetic", [] { return gOne / 3.0; }, false}),
    test_names::ByName());

// A sink that does floating-point work of its own, as a message box's drawing does.
class NoisySink : public Messages {
 public:
  void show(MessageKind, const std::string&) override {
    PreservedArithmeticFlags keep;
    volatile double noise = gOne / gZero;
    (void)noise;
    ++shown;
  }
  int shown = 0;
};

TEST(FloatingPointGuard, MessageBetweenStepsNeitherLosesNorInventsAFailure) {
  NoisySink sink;
  {
    FloatingPointGuard guard;
    ShowChecked(sink, MessageKind::Warning, "range");
    EXPECT_NO_THROW(guard.check());  // the sink's own division is not ours
  }
  {
    FloatingPointGuard guard;
    volatile double bad = std::log(-gOne);
    (void)bad;
    // The failure before the message ends the run there: the message never shows.
    EXPECT_THROW(ShowChecked(sink, MessageKind::Warning, "late"), MathError);
  }
  EXPECT_EQ(sink.shown, 1);
}

TEST(FloatingPointGuard, RestoresTheCallersFlags) {
  std::feclearexcept(FE_ALL_EXCEPT);
  {
    FloatingPointGuard guard;
    volatile double bad = gOne / gZero;
    (void)bad;
  }
  EXPECT_FALSE(ArithmeticFailed());
}

// Flags raised before a guard, by double or by long double arithmetic (which
// keeps its flags apart on some processors), are hidden inside it and are back
// after it, whatever the calculation inside raised.
struct RestoreCase {
  const char* name;
  std::function<void()> before;
  std::function<void()> inside;
};

class GuardRestoreTest : public ::testing::TestWithParam<RestoreCase> {};

volatile long double gLongOne = 1.0L;
volatile long double gLongZero = 0.0L;

TEST_P(GuardRestoreTest, HidesAndRestoresTheCallersFlags) {
  const RestoreCase& c = GetParam();
  std::feclearexcept(FE_ALL_EXCEPT);
  c.before();
  const int callers = std::fetestexcept(FE_ALL_EXCEPT);
  {
    FloatingPointGuard guard;
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    c.inside();
  }
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), callers);
  {
    PreservedArithmeticFlags keep;
    c.inside();
  }
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), callers);
  std::feclearexcept(FE_ALL_EXCEPT);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardRestoreTest,
    ::testing::Values(RestoreCase{"Nothing", [] {}, [] {}},
                      RestoreCase{"DoubleBeforeDoubleInside",
                                  [] { (void)(gOne / 3.0 + gHuge * 10.0); },
                                  [] { (void)(gOne / gZero); }},
                      RestoreCase{"LongDoubleBefore", [] { (void)(gLongOne / gLongZero); },
                                  [] { (void)(gZero / gZero); }},
                      RestoreCase{"LongDoubleInside", [] { (void)(gOne / 3.0); },
                                  [] { (void)(gLongOne / gLongZero); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calvora
