// The display format does not depend on the C library's locale: a program
// started under a comma locale (the toolkit applies the environment's locale to
// the C library at start-up) must still write its numbers correctly.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/Format.h"
#include "common/Numbers.h"

namespace {

// Switches the C library's numbers to a comma locale and back at the end: the
// first one installed, or else one compiled for the test from the system's
// locale sources (when localedef and the sources are there).
class CommaCLocale {
 public:
  CommaCLocale() {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    saved_ = previous ? previous : "C";
    if (TryInstalled())
      return;
    const std::string dir = ::testing::TempDir() + "calvora-comma-locale";
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    std::filesystem::create_directories(dir);
    if (std::system(command.c_str()) != 0)
      return;
    const char* oldPath = std::getenv("LOCPATH");
    if (oldPath)
      oldLocPath_ = oldPath;
    hadLocPath_ = oldPath != nullptr;
    setenv("LOCPATH", dir.c_str(), 1);
    changedLocPath_ = true;
    TryInstalled();
  }
  ~CommaCLocale() {
    std::setlocale(LC_NUMERIC, saved_.c_str());
    if (changedLocPath_) {
      if (hadLocPath_) {
        setenv("LOCPATH", oldLocPath_.c_str(), 1);
      } else {
        unsetenv("LOCPATH");
      }
    }
  }
  bool active() const { return active_; }

 private:
  bool TryInstalled() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
      if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',') {
        active_ = true;
        return true;
      }
    }
    return false;
  }

  std::string saved_;
  std::string oldLocPath_;
  bool hadLocPath_ = false;
  bool changedLocPath_ = false;
  bool active_ = false;
};

struct Case {
  double value;
  int precision;
  int digits;
  const char* point;  // the text with '.' as separator
};

constexpr Case kCases[] = {
    {2.6125, 10, 3, "2.612"},
    {209000, 10, 3, "209000.000"},
    {-0.61673, 10, 4, "-0.6167"},
    {0.0, 10, 4, "0.0000"},
    {12345678901.5, 10, 2, "1.234567890E+10"},
    {1e-320, 10, 4, "0.0000"},
    {999.99996, 10, 4, "1000.0000"},
    {7.0, 4, 0, "7"},
};

TEST(FormatUnderCommaLocale, WritesTheSameDigitsAsUnderTheCLocale) {
  std::string expectedPoint[std::size(kCases)];
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    const Case& c = kCases[i];
    expectedPoint[i] = calvora::FormatFixed(c.value, c.precision, c.digits, '.');
    ASSERT_EQ(expectedPoint[i], c.point) << "C locale, case " << i;
  }
  CommaCLocale comma;
  if (!comma.active())
    GTEST_SKIP() << "no comma locale installed";
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    const Case& c = kCases[i];
    std::string withComma = c.point;
    for (char& ch : withComma) {
      if (ch == '.')
        ch = ',';
    }
    EXPECT_EQ(calvora::FormatFixed(c.value, c.precision, c.digits, '.'), c.point) << i;
    EXPECT_EQ(calvora::FormatFixed(c.value, c.precision, c.digits, ','), withComma) << i;
  }
  // Reading is independent of the C locale as well.
  EXPECT_EQ(calvora::ParseNumber("2,5", ','), 2.5);
  EXPECT_EQ(calvora::ParseNumber("2.5", '.'), 2.5);
}

}  // namespace
