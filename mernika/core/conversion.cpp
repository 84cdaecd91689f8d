#include "conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "number_text.h"
#include "utf.h"

namespace prolexa::mernika {
namespace {

// Built on first use: the window's description asks for the names while
// the program's statics are still being made.
const std::array<Category, CategoryCount>& Categories() {
  static const std::array<Category, CategoryCount> categories = {{
    {"Dĺžkové jednotky",
     {"Nanometer nm", "Mikrometer um", "Milimeter mm", "Centimeter cm", "Decimeter dm",
      "Meter m", "Kilometer km"}},
    {"Plošné jednotky",
     {"Nanometer štvorcový nm2", "Mikrometer štvorcový um2", "Milimeter štvorcový mm2",
      "Centimeter štvorcový cm2", "Meter štvorcový m2", "Kilometer štvorcový km2", "Ár a",
      "Hektár ha"}},
    {"Kubické jednotky",
     {"Nanometer kubický nm3", "Mikrometer kubický um3", "Milimeter kubický mm3",
      "Centimeter kubický cm3", "Meter kubický m3", "Kilometer kubický km3", "Mililiter ml",
      "Centiliter cl", "Deciliter dl", "Liter l", "Hektoliter hl"}},
    {"Hmotnosť", {"gram g", "kilogram kg", "tona t"}},
    {"Výkon", {"Miliwatt mW", "Watt W", "KiliWatt KW", "MegaWatt MW", "GigaWatt GW"}},
    {"Sila", {"MiliNewton mN", "Newton N", "KiloNewton KN", "MegaNewton MN", "GigaNewton GN"}},
    {"Napätie", {"MiliVolt mV", "Volt V", "KiloVolt KV", "MegaVolt MV", "GigaVolt GV"}},
    {"Prúd", {"MiliAmpér mA", "Ampér A", "KiloAmpér KA", "MegaAmpér MA", "GigaAmpér GA"}},
    {"Tlak",
     {"MiliPascal mPa", "Pascal Pa", "KiloPascal KPa", "MegaPascal MPa", "GigaPascal GPa"}},
    {"Rýchlosť", {"m/s", "m/min", "m/h", "km/h", "km/min", "km/s"}},
    {"Bajty", {"Bit b", "Bajt B", "Kilobajt KB", "Megabajt MB", "Gigabajt GB", "Terabajt TB"}},
  }};
  return categories;
}

// The units' sizes: lengths in metres, prefixes in the base unit. A factor
// is the source's size divided by the target's.
constexpr double kLengths[] = {1e-9, 1e-6, 1e-3, 1e-2, 1e-1, 1, 1e3};
constexpr double kPrefixes[] = {1e-3, 1, 1e3, 1e6, 1e9};

constexpr std::string_view kMissing = "Nezadali ste žiadnu hodnotu.";
constexpr std::string_view kBigNumbers = "Zadali ste veľké čísla. Zadajte menšie.";

// Written whole: 6 places, or the result's own power of ten outside
// 0.00001 … 9999999999.999.
std::string ResultText(double r) {
  if (r > 9999999999.999 || r < 0.00001) return FormatScientific(r);
  return RoundNumberText(FormatValue(r), 6);
}

// The value as typed: a plain decimal of at most six places keeps its own
// digits (a double would show others past its precision), with the zeros
// that say nothing cut; anything else is rounded up to 6 places.
std::string ValueText(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  const std::string part = point == std::string::npos ? "" : text.substr(point + 1);
  const auto digits = [](const std::string& s) {
    return s.find_first_not_of("0123456789") == std::string::npos;
  };
  if (whole.empty() && part.empty()) return RoundNumberText(text, 6);
  if (!digits(whole) || !digits(part) || part.size() > 6) return RoundNumberText(text, 6);
  std::string shown = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
  if (shown.empty()) shown = "0";
  std::string fraction = part.substr(0, part.find_last_not_of('0') + 1);
  if (part.find_last_not_of('0') == std::string::npos) fraction.clear();
  return fraction.empty() ? shown : shown + "." + fraction;
}

struct Choice {
  std::string text;
  int category, from, to;
};

Choice ChoiceOf(const FormInputs& in) {
  return {FirstCharacters(in.Text(Value), FieldLimit), in.mode, in.List(From), in.List(To)};
}

}  // namespace

const Category& CategoryAt(int index) {
  return Categories()[static_cast<std::size_t>(index >= 0 && index < CategoryCount ? index : 0)];
}

std::string_view Symbol(std::string_view entry) {
  const std::size_t blank = entry.rfind(' ');
  return blank == std::string_view::npos ? entry : entry.substr(blank + 1);
}

double ConversionFactor(int category, int from, int to) {
  const auto ratio = [from, to](const auto& sizes) {
    const int n = static_cast<int>(std::size(sizes));
    if (from < 0 || from >= n || to < 0 || to >= n) return -1.0;
    return sizes[from] / sizes[to];
  };
  if (category == 0) return ratio(kLengths);
  if (category >= 4 && category <= 8) return ratio(kPrefixes);
  return -1;
}

Verdict Check(const FormInputs& in) {
  const Choice c = ChoiceOf(in);
  if (c.text.empty()) return {ErrorRefusal(kMissing), 0};
  const double f = ConversionFactor(c.category, c.from, c.to);
  if (f == -1) return {ErrorRefusal(NotInThisVersion), 0};
  const double v = ParseNumber(c.text);
  // Towards a larger unit the value itself is bounded; otherwise the result
  // stays at or below 10^22.
  const double limit = c.from < c.to ? BigNumberLimit : 1e22 / f;
  // A text that reads as an infinity (it can be pasted) is no number to show.
  if (!std::isfinite(v) || !(v <= limit)) return {ErrorRefusal(kBigNumbers), 0};
  return {};
}

DrawSteps Draw(const FormInputs& in, int, int) {
  DrawSteps steps;
  const Choice c = ChoiceOf(in);
  const double f = ConversionFactor(c.category, c.from, c.to);
  if (f == -1) return steps;
  const Category& category = CategoryAt(c.category);
  const double r = ParseNumber(c.text) * f;
  steps.Origin(12, 200);
  steps.Line(ValueText(c.text) + std::string(Symbol(category.units[static_cast<std::size_t>(c.from)])) +
             " = " + ResultText(r) +
             std::string(Symbol(category.units[static_cast<std::size_t>(c.to)])));
  return steps;
}

const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 502,
                          .tooBigText = kBigNumbers};

}  // namespace prolexa::mernika
