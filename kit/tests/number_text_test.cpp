#include "number_text.h"
#include "units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace prolexa {
namespace {

struct RoundCase {
  const char* text;
  int places;
  const char* expected;
  const char* why;
};

TEST(RoundNumberText, RoundsUpAndCutsTrailingZeros) {
  const RoundCase cases[] = {
      {"2.000000", 2, "2", "nothing but zeros after the point drops the point"},
      {"0.000000", 0, "0", "zero stays zero"},
      {"2.341000", 2, "2.35", "rounding is upward"},
      {"2.340000", 2, "2.34", "an exact value keeps its digits"},
      {"-1.239000", 2, "-1.23", "upward means towards plus infinity"},
      {"0.070000", 2, "0.07", "exact in decimal, although 0.07 * 100 is above 7 in binary"},
      {"8.300000", 6, "8.3", "a decimal value gains no unit in its last place"},
      {"9999999999.999000", 6, "9999999999.999", "nor does a long one"},
      {"-263.150000", 6, "-263.15", "nor a negative one"},
      {"-0.001000", 2, "0", "digits all zero: no sign"},
      {"-0.000000", 6, "0", "minus zero has no sign either"},
      {"-1.000001", 0, "-1", "a negative number's dropped digits simply go"},
      {"0.999999", 0, "1", "raising the last kept digit carries"},
      {"99.9951", 2, "100", "carries through the point"},
      {"2.1234567", 20, "2.1234567", "nothing dropped at twenty places"},
      {"1.5e2", 0, "150", "an exponent moves the point"},
      {"1234e-5", 2, "0.02", "also to the right"},
      {"4.200000", 0, "5", "no places: the next integer at or above"},
      {"2.500000", 6, "2.5", "trailing zeros are cut"},
      {"1.234568", 6, "1.234568", "inner digits stay"},
      {"0.000255", 6, "0.000255", "six places of a six-decimal text stay"},
      {"16.010000", 20, "16.01", "twenty places: the plain six-decimal text"},
      {"4999.909999", 2, "4999.91", "a long value at two places"},
      {"100.000000", 0, "100", "zeros before the point stay"},
      {"abc", 2, "0", "a text that is not a number rounds as 0"},
      {"", 3, "0", "so does an empty text"},
      {"  12.5xyz", 0, "13", "the number prefix of a text counts"},
      {"2.341", -3, "3", "negative places count as none"},
      {"2.5", 99, "2.5", "more than twenty places count as twenty"},
      {"999999999999.999000", 2, "1000000000000", "rounding up at the size limit adds a digit"},
      {"999998000001.000000", 6, "999998000001", "a product past 2^53 is not divided back"},
      {"123456789.123456", 6, "123456789.123456", "six places of a large value stay"},
      {"0.000123", 20, "0.000123", "twenty places write the text as it is"},
  };
  for (const RoundCase& c : cases) {
    EXPECT_EQ(RoundNumberText(c.text, c.places), c.expected) << c.text << ": " << c.why;
  }
}

TEST(RoundNumberText, KeepsTextsLongerThanTheBufferWhole) {
  // Outside the solvers' range the text is complete, never cut.
  EXPECT_EQ(RoundNumberText("12345678901234567890", 2), "12345678901234567890");
  EXPECT_EQ(RoundNumberText("1e300", 20).size(), 301u);
  EXPECT_EQ(RoundNumberText("inf", 2), "inf");
}

TEST(FormatValue, WritesSixDecimalsRoundedToNearest) {
  const std::pair<double, const char*> cases[] = {
      {0.5, "0.500000"},
      {-0.0, "-0.000000"},
      {2.0000005, "2.000001"},  // the double is a little above the halfway point
      {1e12, "1000000000000.000000"},
      {-3.0, "-3.000000"},
      {4999.909999199, "4999.909999"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatValue(value), text) << value;
}

// The C library's own exact conversions, which the fast paths must match
// digit for digit and bit for bit.
std::string LibraryFixed(double value) {
  char buffer[400];
#ifdef _WIN32
  __mingw_snprintf(buffer, sizeof buffer, "%.6f", value);
#else
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
#endif
  return buffer;
}

double LibraryParse(const std::string& text) {
#ifdef _WIN32
  return __mingw_strtod(text.c_str(), nullptr);
#else
  return std::strtod(text.c_str(), nullptr);
#endif
}

// A value of one of four kinds, with either sign.
double RandomValue(std::mt19937_64& random, int kind) {
  const std::uint64_t r = random();
  double value = 0;
  switch (kind % 4) {
    case 0:  // any bits, at magnitudes 2^-40 to 2^50
      value = std::ldexp(1.0 + static_cast<double>(r >> 12) / 4503599627370496.0,
                         static_cast<int>(r % 91) - 40);
      break;
    case 1:  // a typed decimal with up to 12 places
      value = static_cast<double>(r % 2000000000001u) / std::pow(10.0, r % 13);
      break;
    case 2:  // binary fractions, whose millionths can end on a half
      value = std::ldexp(static_cast<double>(r >> 24), -static_cast<int>(r % 60));
      break;
    default:  // halves of the seventh place: ties broken to even
      value = static_cast<double>(r % 100000000) / 128.0;
      break;
  }
  return (r & 1) != 0 ? -value : value;
}

// Below 2^33 the text is the library's "%.6f"; above it, where doubles lie
// more than a millionth apart, the fewest decimals that read back as the
// value, so that no digit shows that the value never had.
TEST(FormatValue, MatchesTheLibraryOrReadsBackWhereDoublesAreSparse) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 200000; ++i) {
    const double value = RandomValue(random, i);
    const std::string text = FormatValue(value);
    if (std::fabs(value) < 8589934592.0) {
      ASSERT_EQ(text, LibraryFixed(value)) << value;
    } else {
      ASSERT_EQ(LibraryParse(text), value) << text;
      ASSERT_EQ(text.size(), LibraryFixed(value).size()) << text;
    }
  }
  EXPECT_EQ(FormatValue(9999999999.999), "9999999999.999000");
  EXPECT_EQ(FormatValue(-90842167258.3), "-90842167258.300000");
}

// Rounding up in exact decimal arithmetic, as a pupil does it on paper: a
// six-decimal text as a whole number of millionths, kept whole to `places`
// (up when positive and something is dropped), written back with its
// trailing zeros cut. Nothing for a text too long for 64 bits.
std::optional<std::string> DecimalRoundUp(const std::string& text, int places) {
  const bool negative = text[0] == '-';
  std::string digits = text.substr(negative ? 1 : 0);
  const std::size_t point = digits.find('.');
  if (point == std::string::npos || digits.size() - point != 7 || digits.size() > 19) {
    return std::nullopt;
  }
  digits.erase(point, 1);
  const long long millionths = std::stoll(digits);
  long long unit = 1;
  for (int i = places; i < 6; ++i) unit *= 10;
  long long kept = millionths / unit;
  if (!negative && millionths % unit != 0) ++kept;
  std::string written = std::to_string(kept);
  const int decimals = std::min(places, 6);
  if (decimals > 0) {
    const int missing = decimals + 1 - static_cast<int>(written.size());
    if (missing > 0) written.insert(0, static_cast<std::size_t>(missing), '0');
    written.insert(written.size() - static_cast<std::size_t>(decimals), ".");
    while (written.back() == '0') written.pop_back();
    if (written.back() == '.') written.pop_back();
  }
  return negative && kept != 0 ? "-" + written : written;
}

TEST(RoundNumberText, AgreesWithExactDecimalArithmetic) {
  std::mt19937_64 random(8122026);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t r = random();
    const long long magnitude = static_cast<long long>(r % 100000000000000u) /
                                static_cast<long long>(std::pow(10.0, (r >> 50) % 12));
    const std::string whole = std::to_string(magnitude / 1000000);
    std::string fraction = std::to_string(magnitude % 1000000);
    fraction.insert(0, 6 - fraction.size(), '0');
    const std::string text = ((r >> 63) != 0 ? "-" : "") + whole + "." + fraction;
    const int places = static_cast<int>(i % 7);
    ASSERT_EQ(RoundNumberText(text, places), DecimalRoundUp(text, places).value())
        << text << " at " << places;
  }
}

TEST(RoundValue, WritesComputedValuesAsTheirDecimalsStand) {
  const struct {
    double value;
    int places;
    const char* expected;
  } cases[] = {
      {0.83 * 10, 6, "8.3"},                   // 0,83 m in dm
      {9999999999.999, 6, "9999999999.999"},  // the longest length in m
      {10 - 273.15, 6, "-263.15"},             // 10 K in degrees Celsius
      {0.07, 2, "0.07"},
      {2.341, 2, "2.35"},
      {-1.239, 2, "-1.23"},
      {-0.0000004, 6, "0"},
      {-0.004, 2, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundValue(c.value, c.places), c.expected) << c.value;
}

TEST(RoundValue, MatchesRoundingTheWrittenText) {
  // The solutions round values without writing and reading their "%f" text
  // first; the digits must be those of the text, and so must the fit.
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> values = {0.0, -0.0, 1e-7, -4e-7, 0.07, 2.341, BigNumberLimit, 1e12,
                                -99999999999.999999, -1e11, -99999999999.5, -100000000001.0,
                                9007199254.740993, inf, -inf,
                                std::numeric_limits<double>::quiet_NaN(), 1e300};
  std::mt19937_64 random(9122026);
  for (int i = 0; i < 200000; ++i) values.push_back(RandomValue(random, i));
  int round = 0;
  for (const double value : values) {
    const int places = round++ % 8 == 7 ? 20 : round % 8;
    const std::string text = FormatValue(value);
    ASSERT_EQ(RoundValue(value, places), RoundNumberText(text, places))
        << value << " at " << places;
    if (const auto exact = DecimalRoundUp(text, places); exact && places <= 6) {
      ASSERT_EQ(RoundValue(value, places), *exact) << text << " at " << places;
    }
    ASSERT_EQ(FitsNumberText(value),
              std::isfinite(value) && FormatValue(value).size() <= NumberTextCapacity)
        << value;
    const double read = ReadFixed(value);
    const double parsed = ParseNumber(FormatValue(value));
    ASSERT_TRUE(std::memcmp(&read, &parsed, sizeof read) == 0 ||
                (std::isnan(read) && std::isnan(parsed)))
        << value;
  }
}

TEST(ParseNumber, MatchesTheLibraryOnDecimalsOfEveryLength) {
  std::mt19937_64 random(8122026);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    const int digits = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 4 == 0) {
      text += 'e';
      text += std::to_string(static_cast<int>(random() % 61) - 30);
    }
    const double mine = ParseNumber(text);
    const double library = LibraryParse(text);
    ASSERT_EQ(std::memcmp(&mine, &library, sizeof mine), 0) << text;
  }
}

TEST(ParseNumber, RoundsLongDecimalsHalfwayBetweenDoublesToEven) {
  // Exactly halfway between two neighbouring doubles, written with one to
  // three decimals in at most 19 digits: where a wrong rounding shows.
  std::mt19937_64 random(13122026);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t m = (std::uint64_t{1} << 52) | (random() & ((std::uint64_t{1} << 52) - 1));
    const int e = 1 + static_cast<int>(random() % 6);
    std::uint64_t w = (2 * m + 1) << (e - 1);
    const int k = 1 + static_cast<int>(random() % 3);
    bool fits = true;
    for (int j = 0; j < k && fits; ++j) {
      fits = w <= 999999999999999999u;
      w *= 10;
    }
    if (!fits) continue;
    std::string text = std::to_string(w);
    text.insert(text.size() - static_cast<std::size_t>(k), ".");
    const double mine = ParseNumber(text);
    const double library = LibraryParse(text);
    ASSERT_EQ(std::memcmp(&mine, &library, sizeof mine), 0) << text;
  }
}

TEST(FormatScientific, WritesThreeExponentDigitsAsWindowsDoes) {
  const std::pair<double, const char*> cases[] = {
      {1.5e11, "1.500000e+011"},
      {0.00012345, "1.234500e-004"},
      {0.0, "0.000000e+000"},
      {-2.5e300, "-2.500000e+300"},
      {123456789.0, "1.234568e+008"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatScientific(value), text) << value;
}

TEST(ParseNumber, FollowsAtofWhateverTheLocale) {
  const std::pair<const char*, double> cases[] = {
      {"", 0.0},          {"  3.5", 3.5},   {"\t\n7", 7.0},     {"3,5", 3.0},
      {"1e3", 1000.0},    {"1e", 1.0},      {"1e+", 1.0},       {"2E-2", 0.02},
      {".5", 0.5},        {"5.", 5.0},      {"-.5", -0.5},      {"+2", 2.0},
      {"abc", 0.0},       {"-", 0.0},       {".", 0.0},         {"12abc", 12.0},
      {"1.5e2x", 150.0},  {"00012", 12.0},  {"0x10", 0.0},      {"1e-999", 0.0},
      {"0.1", 0.1},       {"- 3", 0.0},     {"0.000e99999", 0.0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseNumber(text), value) << text;
}

TEST(ParseNumber, ReadsInfinitiesAndNotANumberSoThatChecksCanRefuseThem) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseNumber("1e999"), inf);
  EXPECT_EQ(ParseNumber("-1e999"), -inf);
  EXPECT_EQ(ParseNumber("123456789e400"), inf);
  EXPECT_EQ(ParseNumber("inf"), inf);
  EXPECT_EQ(ParseNumber("-Infinity"), -inf);
  EXPECT_TRUE(std::isnan(ParseNumber("NaN")));
  EXPECT_TRUE(std::isnan(ParseNumber(" nan(1)")));
}

TEST(ParseInteger, FollowsAtoiWithoutOverflow) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},   {"4", 4},     {" -12x", -12},           {"x4", 0},
      {"+7", 7}, {"3.9", 3},   {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value) << text;
}

struct ScaleCase {
  double (*scale)(double, int, int);
  double value;
  int from;
  int to;
  double expected;
  const char* why;
};

TEST(ScaleUnits, ConvertsBetweenNeighbouringUnits) {
  const ScaleCase cases[] = {
      {ScaleDecimalUnit, 5, 0, 3, 0.005, "mm to m divides by 1000"},
      {ScaleDecimalUnit, 5, 3, 3, 5, "the same unit"},
      {ScaleDecimalUnit, 2, 3, 0, 2000, "m to mm"},
      {ScaleDecimalUnit, 7, 1, 0, 70, "cm to mm"},
      {ScaleDecimalUnit, 3, 1, 3, 0.03, "cm to m"},
      {ScaleDecimalUnit, 1, 0, 4, 1, "a difference of four is no conversion"},
      {ScaleDecimalUnit, 1, 5, 0, 1, "nor is five"},
      {ScaleSpeedUnit, 10, 0, 1, 36, "m/s to km/h"},
      {ScaleSpeedUnit, 36, 1, 0, 10, "km/h to m/s"},
      {ScaleSpeedUnit, 3, 1, 1, 3, "the same unit"},
      {ScaleTimeUnit, 2, 1, 0, 120, "minutes to seconds"},
      {ScaleTimeUnit, 1, 2, 0, 3600, "hours to seconds"},
      {ScaleTimeUnit, 7200, 0, 2, 2, "seconds to hours"},
      {ScaleTimeUnit, 90, 0, 1, 1.5, "seconds to minutes"},
      {ScaleTimeUnit, 5, 0, 3, 5, "outside the list"},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_DOUBLE_EQ(c.scale(c.value, c.from, c.to), c.expected) << c.why;
  }
}

TEST(PlacesLabelText, GivesThePluralOfTheFirstDigit) {
  const std::tuple<const char*, PlacesLanguage, const char*> cases[] = {
      {"1", PlacesLanguage::Czech, "místo"},  {"3", PlacesLanguage::Czech, "místa"},
      {"0", PlacesLanguage::Czech, "míst"},   {"5", PlacesLanguage::Czech, "míst"},
      {"2", PlacesLanguage::Czech, "místa"},  {"6", PlacesLanguage::Czech, "míst"},
      {"9", PlacesLanguage::Czech, "míst"},   {"12", PlacesLanguage::Czech, "místo"},
      {"x", PlacesLanguage::Czech, "míst"},   {"1", PlacesLanguage::Slovak, "miesto"},
      {"4", PlacesLanguage::Slovak, "miesta"}, {"0", PlacesLanguage::Slovak, "miest"},
  };
  for (const auto& [text, language, word] : cases) {
    EXPECT_EQ(PlacesLabelText(text, language).value_or("(unchanged)"), word) << text;
  }
  EXPECT_FALSE(PlacesLabelText("", PlacesLanguage::Czech).has_value());
}

TEST(PlacesFromText, KeepsTheSelectorRange) {
  EXPECT_EQ(PlacesFromText(""), 0);
  EXPECT_EQ(PlacesFromText("4"), 4);
  EXPECT_EQ(PlacesFromText("9"), 6);
  EXPECT_EQ(PlacesFromText("-1"), 0);
}

}  // namespace
}  // namespace prolexa
