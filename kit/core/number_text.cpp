#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace prolexa {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

// Both C libraries the programs are built with convert exactly: glibc on the
// host and MinGW's own gdtoa-based functions on Windows (named explicitly,
// since the plain names may reach the system runtime, which writes only the
// first 17 digits and zeros after them). They are used instead of
// std::to_chars and std::from_chars because those bring their tables for
// every floating type into each program, a third of its size. The programs
// never set a locale, so the point is always '.'.
int FormatInto(char* buffer, std::size_t size, const char* format, double value) {
#ifdef _WIN32
  return __mingw_snprintf(buffer, size, format, value);
#else
  return std::snprintf(buffer, size, format, value);
#endif
}

double ReadDouble(const char* text) {
#ifdef _WIN32
  return __mingw_strtod(text, nullptr);
#else
  return std::strtod(text, nullptr);
#endif
}

std::string Print(const char* format, double value) {
  // Large enough for the fixed text of the largest double (309 digits).
  char buffer[400];
  const int length = FormatInto(buffer, sizeof buffer, format, value);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) return std::string();
  return std::string(buffer, static_cast<std::size_t>(length));
}

// The "%.6f" text exactly as printf writes it, without printf's general
// machinery for the values the solutions write (a solution writes dozens of
// numbers, and printf costs thousands of instructions each): the value times
// 10^6 rounded to the nearest integer, ties to even, then that integer with a
// point six digits from its end. Outside the ranges where the integer is
// computed exactly, and for infinities and not-a-numbers, printf writes it.
// A positive normal double as m * 2^e, m of 53 bits: read off its bits
// rather than through frexp and ldexp, which cost more than the rest.
struct Binary {
  std::uint64_t m;
  int e;
};
Binary Significand(double magnitude) {
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  return {(bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52),
          static_cast<int>(bits >> 52) - 1075};
}

std::optional<std::uint64_t> ScaledMillionths(double magnitude) {
  // Below 2^32 the product magnitude * 10^6 stays under 2^52, where its
  // rounding error is found exactly by splitting the factors (Dekker's
  // product; the build forbids fused multiply-add, which would change it).
  // The error decides only a product that lies on a half: every other
  // product is at least one unit of its last place away from a half.
  constexpr double kMillion = 1e6;
  if (magnitude < 4294967296.0) {
    if (magnitude < 1e-7) return 0;  // under a twentieth of the last place
    const double product = magnitude * kMillion;
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double c = kSplitter * magnitude;
    const double high = c - (c - magnitude);
    const double low = magnitude - high;
    // 10^6 has 14 significant bits, so both partial products are exact.
    const double error = high * kMillion - product + low * kMillion;
    double nearest = std::nearbyint(product);  // ties to even
    const double fraction = product - nearest;
    if (fraction == 0.5 && error > 0) nearest += 1;
    if (fraction == -0.5 && error < 0) nearest -= 1;
    return static_cast<std::uint64_t>(nearest);
  }
  // From 2^32 until the millionths pass 2^63 (about 9.2 * 10^12) the value
  // has 9 to 20 bits after its point, so its fraction times 10^6 is an exact
  // 64-bit integer.
  if (magnitude < 9223372036854775808.0 / kMillion) {
    const auto [bits, exponent] = Significand(magnitude);
    const int after = -exponent;
    const std::uint64_t whole = bits >> after;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << after) - 1);
    // fraction / 2^after * 10^6, rounded to nearest, ties to even
    const std::uint64_t numerator = fraction * 1000000u;
    std::uint64_t millionths = numerator >> after;
    const std::uint64_t rest = numerator & ((std::uint64_t{1} << after) - 1);
    const std::uint64_t half = std::uint64_t{1} << (after - 1);
    if (rest > half || (rest == half && (millionths & 1u) != 0)) ++millionths;
    return whole * 1000000u + millionths;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> Millionths(double magnitude);

// Writes `millionths` / 10^6 with six decimals, after a minus when
// `negative`, into `out` (room for 32 characters) and gives its length.
std::size_t WriteMillionths(std::uint64_t millionths, bool negative, char* out) {
  // Two digits at a time, at least seven: a zero before the point.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char digits[24];
  char* const end = digits + sizeof digits;
  char* first = end;
  std::uint64_t rest = millionths;
  while (rest >= 100) {
    const std::size_t pair = 2 * static_cast<std::size_t>(rest % 100);
    rest /= 100;
    *--first = kPairs[pair + 1];
    *--first = kPairs[pair];
  }
  do {
    *--first = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  while (end - first < 7) *--first = '0';
  char* w = out;
  if (negative) *w++ = '-';
  const std::size_t whole = static_cast<std::size_t>(end - first) - 6;
  std::memcpy(w, first, whole);
  w += whole;
  *w++ = '.';
  std::memcpy(w, first + whole, 6);
  return static_cast<std::size_t>(w + 6 - out);
}

// Writes the "%.6f" text of a value into `out` (room for 32 characters) and
// gives its length, or 0 for a value outside the exact integer paths, which
// printf writes. No heap: a solution writes dozens of numbers.
std::size_t WriteFixed(double value, char* out) {
  if (!std::isfinite(value)) return 0;
  const std::optional<std::uint64_t> scaled = Millionths(std::fabs(value));
  if (!scaled) return 0;
  return WriteMillionths(*scaled, std::signbit(value), out);
}

std::string FixedText(double value) {
  char text[32];
  const std::size_t length = WriteFixed(value, text);
  return length != 0 ? std::string(text, length) : Print("%.6f", value);
}

// Every power of ten up to 10^22 is an exact double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value a "%.6f" text of `value` reads back as, computed without the
// text. Up to 2^53 millionths the text reads by Clinger's path below: the
// millionths divided by 10^6. Beyond that the value is at least 2^33, where
// doubles lie more than a millionth apart, so the value itself is the double
// nearest its text. Nothing outside the exact integer paths.
std::optional<double> ReadBack(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const std::optional<std::uint64_t> scaled = Millionths(std::fabs(value));
  if (!scaled) return std::nullopt;
  if (*scaled > (std::uint64_t{1} << 53)) return value;
  const double read = static_cast<double>(*scaled) / 1e6;
  return std::signbit(value) ? -read : read;
}

// Removes the zeros at the end of a number's decimals, and its point when
// nothing is left after it.
std::size_t CutTrailingZeros(const char* text, std::size_t length) {
  const void* found = std::memchr(text, '.', length);
  if (found == nullptr) return length;
  const std::size_t point = static_cast<std::size_t>(static_cast<const char*>(found) - text);
  std::size_t end = length;
  while (end > point + 1 && text[end - 1] == '0') --end;
  return end == point + 1 ? point : end;
}

// A 128-bit unsigned integer as two halves, for the exact comparisons of
// LongDecimal; written out because the 32-bit build has no such type.
struct Wide {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
};

Wide Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
  const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
}

// Shifted left by fewer than 64 places; the callers keep the result under
// 2^128.
Wide ShiftLeft(Wide x, int places) {
  if (places == 0) return x;
  return {(x.high << places) | (x.low >> (64 - places)), x.low << places};
}

int Compare(const Wide& l, const Wide& r) {
  if (l.high != r.high) return l.high < r.high ? -1 : 1;
  if (l.low != r.low) return l.low < r.low ? -1 : 1;
  return 0;
}

// How w / 10^k compares with the halfway point (2m + 1) * 2^(e - 1) between
// two neighbouring doubles, exactly: w * 2^(1 - e - k) against
// (2m + 1) * 5^k. For w below 2^64 and k from 1 to 22 both sides stay
// under 2^117.
int CompareWithHalfway(std::uint64_t w, int k, std::uint64_t halfwayOdd, int halfwayExponent) {
  std::uint64_t five = 1;
  for (int i = 0; i < k; ++i) five *= 5;
  const int shift = 1 - halfwayExponent - k;
  Wide left{0, w};
  Wide right = Multiply(halfwayOdd, five);
  if (shift > 0) {
    if (shift >= 64) return 1;
    left = ShiftLeft(left, shift);
  } else if (shift < 0) {
    if (-shift >= 64) return -1;
    right = ShiftLeft(right, -shift);
  }
  return Compare(left, right);
}

// The double nearest to w / 10^k for a significand w above 2^53 (17 to 19
// digits, as a field of 19 characters holds) and k from 1 to 22: the
// quotient of two doubles, within one unit of the last place, then moved
// to the neighbour the exact comparisons with the halfway points ask for
// (ties to even). Typed numbers this long would otherwise cost strtod's
// arbitrary precision.
double LongDecimal(std::uint64_t w, int k) {
  double value = static_cast<double>(w) / kPowersOfTen[k];
  for (int step = 0; step < 4; ++step) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF) - 1075;
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int above = CompareWithHalfway(w, k, 2 * m + 1, exponent);
    // Below the lowest significand of a binade the neighbour is half as far.
    const bool lowest = m == (std::uint64_t{1} << 52);
    const int below = lowest ? CompareWithHalfway(w, k, 4 * m - 1, exponent - 1)
                             : CompareWithHalfway(w, k, 2 * m - 1, exponent);
    const bool even = (m & 1u) == 0;
    if (above > 0 || (above == 0 && !even)) {
      ++bits;
    } else if (below < 0 || (below == 0 && !even && !lowest)) {
      --bits;
    } else {
      return value;
    }
    std::memcpy(&value, &bits, sizeof value);
  }
  return value;
}

// Adds (or subtracts) a small amount to a 128-bit number.
Wide Plus(Wide x, std::uint64_t amount) {
  x.low += amount;
  if (x.low < amount) ++x.high;
  return x;
}
Wide Minus(Wide x, std::uint64_t amount) {
  if (x.low < amount) --x.high;
  x.low -= amount;
  return x;
}

// Whether `candidate` / 10^6 reads back as `magnitude`, a double from 2^33
// until its millionths pass 2^63: whether it lies within half the gap to
// each neighbouring double (on the edge, where ties go to the even one).
// With magnitude = m * 2^e and e from -19 to -9, magnitude * 10^6 =
// m * 15625 * 2^(e + 6); everything is compared exactly, times 2^(-e - 4).
bool ReadsBackAs(std::uint64_t candidate, double magnitude) {
  const auto [m, exponent] = Significand(magnitude);
  const int shift = -exponent - 4;  // from 5 to 15
  const Wide center = Multiply(m, 62500);   // m * 15625 * 4
  // The gap below the lowest significand of a binade is half as wide.
  const bool lowest = m == (std::uint64_t{1} << 52);
  const Wide low = Minus(center, lowest ? 15625 : 31250);
  const Wide high = Plus(center, 31250);
  const Wide scaled = ShiftLeft(Wide{0, candidate}, shift);
  const bool even = (m & 1u) == 0;
  const int fromLow = Compare(scaled, low);
  const int toHigh = Compare(scaled, high);
  return (fromLow > 0 || (even && fromLow == 0)) && (toHigh < 0 || (even && toHigh == 0));
}

// The millionths of the six-decimal text a value is written with: the value
// rounded to the nearest millionth. From 2^33 on, doubles lie more than a
// millionth apart and that rounding would show digits the value never had
// (9999999999.999 would read 9999999999.999001): there the text is the
// decimal of fewest places that still reads back as the value, which is the
// number the value came from. Below 2^33 a decimal of up to six places
// already comes back as itself.
std::optional<std::uint64_t> Millionths(double magnitude) {
  const std::optional<std::uint64_t> nearest = ScaledMillionths(magnitude);
  if (!nearest || magnitude < 8589934592.0) return nearest;
  std::uint64_t unit = 1000000;
  for (int places = 0; places < 6; ++places, unit /= 10) {
    const std::uint64_t candidate = (*nearest + unit / 2) / unit * unit;
    if (ReadsBackAs(candidate, magnitude)) return candidate;
  }
  return nearest;
}

// The double nearest to a plain decimal whose significant digits make an
// integer of at most 2^53 and whose power of ten is at most 22 either way:
// one correctly rounded division or multiplication of two exact doubles
// (Clinger's fast path); with up to 19 digits and a negative power, the
// exact comparisons of LongDecimal. Nothing for any other text, which
// strtod reads.
std::optional<double> ShortDecimal(std::string_view digitsAndPoint, long long exponent) {
  std::uint64_t significand = 0;
  int digits = 0;
  int after = 0;
  bool point = false;
  for (char c : digitsAndPoint) {
    if (c == '.') {
      point = true;
      continue;
    }
    if (significand == 0 && c == '0') {
      if (point) ++after;
      continue;
    }
    if (++digits > 19) return std::nullopt;
    significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
    if (point) ++after;
  }
  const long long scale = exponent - after;
  if (significand > (std::uint64_t{1} << 53)) {
    if (scale < 0 && scale >= -22) return LongDecimal(significand, static_cast<int>(-scale));
    return std::nullopt;
  }
  const auto value = static_cast<double>(significand);
  if (scale >= 0 && scale <= 22) return value * kPowersOfTen[scale];
  if (scale < 0 && scale >= -22) return value / kPowersOfTen[-scale];
  return std::nullopt;
}

// Where a number's digits start after the blanks and the sign atof skips,
// and whether the sign is a minus.
struct Sign {
  bool negative = false;
  std::size_t digitsAt = 0;
};
Sign ReadSign(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  return {negative, i};
}

// The exponent that starts at `at` ('e' or 'E', a sign, digits; kept below
// 10^6 in size, far past any double), and where it ends; nothing where no
// digit follows, as atof then stops before the 'e'.
struct Exponent {
  long long value = 0;
  std::size_t end = 0;
};
std::optional<Exponent> ReadExponent(std::string_view text, std::size_t at) {
  if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return std::nullopt;
  std::size_t j = at + 1;
  const bool negative = j < text.size() && text[j] == '-';
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  if (j >= text.size() || !IsDigit(text[j])) return std::nullopt;
  long long value = 0;
  for (; j < text.size() && IsDigit(text[j]); ++j) {
    if (value < 100000) value = value * 10 + (text[j] - '0');
  }
  return Exponent{negative ? -value : value, j};
}

}  // namespace

double ParseNumber(std::string_view text) {
  const auto [negative, start] = ReadSign(text);
  const std::size_t n = text.size();
  std::string_view rest = text.substr(start);
  if (StartsWithNoCase(rest, "inf")) {
    double inf = std::numeric_limits<double>::infinity();
    return negative ? -inf : inf;
  }
  if (StartsWithNoCase(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();

  std::size_t i = start;
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissaEnd = i;
  const std::optional<Exponent> power = ReadExponent(text, i);
  const long long exponent = power ? power->value : 0;
  const std::size_t end = power ? power->end : i;

  // The prefix is short (the fields hold at most a few dozen characters);
  // strtod needs it terminated. A value beyond the double range comes back
  // as an infinity, one too small as 0 or the nearest subnormal, as atof.
  const std::optional<double> quick = ShortDecimal(text.substr(start, mantissaEnd - start), exponent);
  const double value =
      quick ? *quick : ReadDouble(std::string(text.substr(start, end - start)).c_str());
  return negative ? -value : value;
}

std::string FormatValue(double value) {
  return FixedText(value);
}

std::string FormatScientific(double value) {
  std::string text = Print("%.6e", value);
  std::size_t e = text.find('e');
  if (e == std::string::npos || e + 2 > text.size()) return text;
  // C writes at least two exponent digits; the Windows runtime three.
  const std::size_t digitsAt = e + 2;
  const std::size_t digits = text.size() - digitsAt;
  if (digits < 3) text.insert(digitsAt, 3 - digits, '0');
  return text;
}

namespace {

// A count of places as the rounding takes it.
int ClampPlaces(int places) { return std::clamp(places, 0, 20); }

// Rounds the decimal number `millionths` / 10^6 (negative when `negative`)
// up to `places` decimals and writes it with its trailing zeros cut: the
// dropped digits raise the last kept one only when one of them is not zero
// and the number is positive; for a negative number they simply go. A number
// whose written digits are all zero has no sign.
std::string RoundMillionths(std::uint64_t millionths, bool negative, int places) {
  if (places < 6) {
    const auto unit = static_cast<std::uint64_t>(kPowersOfTen[6 - places]);
    const std::uint64_t dropped = millionths % unit;
    millionths -= dropped;
    if (dropped != 0 && !negative) millionths += unit;
  }
  char text[32];
  const std::size_t length = WriteMillionths(millionths, negative && millionths != 0, text);
  return std::string(text, CutTrailingZeros(text, length));
}

// A plain decimal's millionths (digits, a point, digits, then anything but
// an exponent), cut after the sixth decimal, and whether a digit cut there
// is not zero: what rounding up to six or fewer places needs of it. Nothing
// for another text or one of more than twelve whole digits.
struct Plain {
  std::uint64_t millionths;
  bool cutNonZero;
};
std::optional<Plain> PlainMillionths(std::string_view text) {
  std::size_t i = 0;
  std::uint64_t whole = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (i >= 12) return std::nullopt;
    whole = whole * 10 + static_cast<std::uint64_t>(text[i++] - '0');
  }
  std::uint64_t fraction = 0;
  int decimals = 0;
  bool cutNonZero = false;
  bool any = i > 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, any = true) {
      if (decimals < 6) {
        fraction = fraction * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++decimals;
      } else if (text[i] != '0') {
        cutNonZero = true;
      }
    }
  }
  if (!any || (i < text.size() && (text[i] == 'e' || text[i] == 'E'))) return std::nullopt;
  for (; decimals < 6; ++decimals) fraction *= 10;
  return Plain{whole * 1000000u + fraction, cutNonZero};
}

// Adds one unit in the last place to a string of decimal digits.
void AddOneInLastPlace(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The rounding of RoundMillionths on any decimal number: `digits` with the
// point after the first `pointAt` of them (before them, or past their end,
// padded with zeros).
std::string RoundDecimal(bool negative, std::string_view digits, long long pointAt, int places) {
  std::string whole;
  std::string fraction;
  if (pointAt <= 0) {
    fraction.assign(static_cast<std::size_t>(-pointAt), '0');
    fraction += digits;
  } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
    whole = digits;
    whole.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
  } else {
    whole = digits.substr(0, static_cast<std::size_t>(pointAt));
    fraction = digits.substr(static_cast<std::size_t>(pointAt));
  }
  const auto kept = std::min(fraction.size(), static_cast<std::size_t>(places));
  const bool raise = !negative && fraction.find_first_not_of('0', kept) != std::string::npos;
  std::string number = whole + fraction.substr(0, kept);
  if (raise) {
    number.append(static_cast<std::size_t>(places) - kept, '0');
    AddOneInLastPlace(number);
  }
  // The whole part without its leading zeros (at least one digit), the
  // point and the kept decimals, their trailing zeros cut.
  const std::size_t decimals = raise ? static_cast<std::size_t>(places) : kept;
  const std::size_t integerDigits = number.size() - decimals;
  std::size_t first = 0;
  while (first + 1 < integerDigits && number[first] == '0') ++first;
  std::string text = (negative ? "-" : "") + (integerDigits == 0 ? std::string("0") : "") +
                     number.substr(first, integerDigits - first) + "." +
                     number.substr(integerDigits);
  text.resize(CutTrailingZeros(text.data(), text.size()));
  if (text.find_first_not_of("-0.") == std::string::npos) return "0";
  return text;
}

}  // namespace

std::string RoundNumberText(std::string_view text, int places) {
  places = ClampPlaces(places);
  const auto [negative, start] = ReadSign(text);
  if (places <= 6) {
    if (const auto quick = PlainMillionths(text.substr(start))) {
      // A positive number with more beyond its sixth decimal rounds as if
      // its sixth were one higher; a negative one drops it all the same.
      const bool raise = quick->cutNonZero && !negative;
      return RoundMillionths(quick->millionths + (raise ? 1u : 0u), negative, places);
    }
  }
  const std::size_t n = text.size();
  std::size_t i = start;
  std::string digits;
  while (i < n && IsDigit(text[i])) digits += text[i++];
  long long pointAt = static_cast<long long>(digits.size());
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) digits += text[i++];
  }
  if (digits.empty()) {
    // Not a plain decimal: an infinity, not-a-number, or no number at all,
    // which rounds as 0.
    const double value = ParseNumber(text);
    return std::isfinite(value) ? "0" : FormatValue(value);
  }
  // The exponent moves the point; one beyond any double's range leaves the
  // text's value to the library, as atof reads it.
  if (const std::optional<Exponent> power = ReadExponent(text, i)) {
    if (power->value > 400) return RoundValue(ParseNumber(text), places);
    pointAt += power->value;
  }
  return RoundDecimal(negative, digits, pointAt, places);
}

double ReadFixed(double value) {
  const std::optional<double> read = ReadBack(value);
  return read ? *read : ParseNumber(FormatValue(value));
}

std::string RoundValue(double value, int places) {
  if (std::isfinite(value)) {
    const std::optional<std::uint64_t> scaled = Millionths(std::fabs(value));
    if (scaled) return RoundMillionths(*scaled, std::signbit(value), ClampPlaces(places));
  }
  // Infinities and not-a-numbers are written as the library writes them;
  // a value too large for the millionths as its whole decimal text.
  return std::isfinite(value) ? RoundNumberText(FormatValue(value), places) : FormatValue(value);
}

bool FitsNumberText(double value) {
  // Outside the integer paths a finite text has at least 13 digits before
  // its point, so it cannot fit either.
  if (!std::isfinite(value)) return false;
  const std::optional<std::uint64_t> scaled = Millionths(std::fabs(value));
  if (!scaled) return false;
  // The text is the sign, the digits of the millionths (at least seven) and
  // the point: 19 characters hold 18 digits, or 17 after a minus.
  const std::uint64_t digitsEnd = std::signbit(value) ? 100000000000000000u : 1000000000000000000u;
  return *scaled < digitsEnd;
}

}  // namespace prolexa
