#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <system_error>

namespace prolexa {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

// from_chars reports a value beyond the double range without giving one;
// atof gives an infinity for too large values and 0 for too small ones.
// Tell the two apart by the decimal magnitude of the digits.
double OutOfRangeValue(std::string_view mantissa, long long exponent) {
  long long magnitude = 0;
  bool seenPoint = false;
  bool seenNonZero = false;
  for (char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
    } else if (!seenNonZero && c == '0') {
      if (seenPoint) --magnitude;
    } else if (!seenNonZero) {
      seenNonZero = true;
      if (!seenPoint) ++magnitude;
    } else if (!seenPoint) {
      ++magnitude;
    }
  }
  if (!seenNonZero) return 0.0;
  return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

std::string ToChars(double value, std::chars_format format, int precision) {
  // Large enough for the fixed text of the largest double (309 digits).
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc()) return std::string();
  return std::string(buffer, result.ptr);
}

void CutTrailingZeros(std::string& text) {
  std::size_t point = text.find('.');
  if (point == std::string::npos) return;
  std::size_t end = text.size();
  while (end > point + 1 && text[end - 1] == '0') --end;
  if (end == point + 1) end = point;
  text.erase(end);
}

}  // namespace

double ParseNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);
  if (StartsWithNoCase(rest, "inf")) {
    double inf = std::numeric_limits<double>::infinity();
    return negative ? -inf : inf;
  }
  if (StartsWithNoCase(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();

  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissaEnd = i;
  std::size_t end = i;
  long long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      if (negativeExponent) exponent = -exponent;
      end = j;
    }
  }

  double value = 0.0;
  auto result = std::from_chars(text.data() + start, text.data() + end, value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = OutOfRangeValue(text.substr(start, mantissaEnd - start), exponent);
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

int ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL + INT_MAX);
    ++i;
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string FormatValue(double value) {
  return ToChars(value, std::chars_format::fixed, 6);
}

std::optional<std::string> FormatRounded(double value) {
  std::string text = FormatValue(value);
  if (text.size() > NumberTextCapacity) return std::nullopt;
  return text;
}

std::string FormatScientific(double value) {
  std::string text = ToChars(value, std::chars_format::scientific, 6);
  std::size_t e = text.find('e');
  if (e == std::string::npos || e + 2 > text.size()) return text;
  // to_chars writes at least two exponent digits; the Windows runtime three.
  const std::size_t digitsAt = e + 2;
  const std::size_t digits = text.size() - digitsAt;
  if (digits < 3) text.insert(digitsAt, 3 - digits, '0');
  return text;
}

std::string RoundNumberText(std::string_view text, int places) {
  places = std::clamp(places, 0, 20);
  // Repeated multiplication, exact for every count up to 20.
  double p = 1.0;
  for (int i = 0; i < places; ++i) p *= 10.0;
  const double value = ParseNumber(text);
  const double scaled = value * p;
  // From 2^53 on every double is an integer: the product has already lost
  // the digits the ceiling would round, and dividing it back would show that
  // loss (999998000001 at six places would come out as 999998000000.999878).
  // Such a value is written as it is, which at twenty places is the intended
  // plain six-decimal text anyway.
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  const double rounded =
      std::fabs(scaled) < kExactIntegers ? std::ceil(scaled) / p : value;
  std::string result = FormatValue(rounded);
  CutTrailingZeros(result);
  return result;
}

int PlacesFromText(std::string_view editText) {
  return std::clamp(ParseInteger(editText), 0, 6);
}

std::string_view PlacesWord(int places, PlacesLanguage language) {
  static constexpr std::string_view kCzech[] = {"míst",  "místo", "místa", "místa",
                                                "místa", "míst",  "míst"};
  static constexpr std::string_view kSlovak[] = {"miest",  "miesto", "miesta", "miesta",
                                                 "miesta", "miest",  "miest"};
  const auto& words = language == PlacesLanguage::Czech ? kCzech : kSlovak;
  // Seven, eight or nine places (a pasted digit) take the same form as five.
  if (places < 0 || places > 6) places = 5;
  return words[places];
}

std::optional<std::string_view> PlacesLabelText(std::string_view editText,
                                                 PlacesLanguage language) {
  if (editText.empty()) return std::nullopt;
  return PlacesWord(ParseInteger(editText.substr(0, 1)), language);
}

}  // namespace prolexa
