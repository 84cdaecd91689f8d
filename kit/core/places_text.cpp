// The integer texts of the forms: counts typed into fields and the rounding
// selector's count with its word. Apart from the decimal numbers, so that a
// program that only shows a rounding selector (the launcher) takes in none
// of the floating-point conversions.
#include <algorithm>
#include <climits>

#include "number_text.h"

namespace prolexa {

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

int PlacesFromText(std::string_view editText) {
  return std::clamp(ParseInteger(editText), 0, MostPlaces);
}

std::string_view PlacesWord(int places, PlacesLanguage language) {
  static constexpr std::string_view kCzech[MostPlaces + 1] = {
      "míst", "místo", "místa", "místa", "místa", "míst", "míst"};
  static constexpr std::string_view kSlovak[MostPlaces + 1] = {
      "miest", "miesto", "miesta", "miesta", "miesta", "miest", "miest"};
  const auto& words = language == PlacesLanguage::Czech ? kCzech : kSlovak;
  // Seven, eight or nine places (a pasted digit) take the same form as five.
  if (places < 0 || places > MostPlaces) places = 5;
  return words[places];
}

std::optional<std::string_view> PlacesLabelText(std::string_view editText,
                                                 PlacesLanguage language) {
  if (editText.empty()) return std::nullopt;
  return PlacesWord(ParseInteger(editText.substr(0, 1)), language);
}

}  // namespace prolexa
