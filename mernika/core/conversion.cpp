#include "conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "number_text.h"
#include "utf.h"

namespace prolexa::mernika {
namespace {

// A unit's size in its category's base unit (metre, square or cubic metre,
// gram, the prefixes' base unit, metre per second, bit), held as
// num / den * 10^power with small whole num and den rather than as one
// double: sizes such as 1e-9 squared or 1000 / 3600 would each bring a
// rounding of their own into a factor, which shows in the last digit of a
// large result (2 um3 would be 1999999999.999999 nm3) and pushes a result
// of exactly 0.00001 into the exponent form.
struct Size {
  double num = 1;
  double den = 1;
  int power = 0;
};

constexpr Size operator*(Size a, Size b) {
  return {a.num * b.num, a.den * b.den, a.power + b.power};
}
constexpr Size operator/(Size a, Size b) {
  return {a.num * b.den, a.den * b.num, a.power - b.power};
}
constexpr Size TenTo(int power) { return {1, 1, power}; }
constexpr Size Times(double count) { return {count, 1, 0}; }

constexpr Size nm = TenTo(-9), um = TenTo(-6), mm = TenTo(-3), cm = TenTo(-2), dm = TenTo(-1),
               m{}, km = TenTo(3);
constexpr Size second{}, minute = Times(60), hour = Times(3600);
constexpr Size ml = cm * cm * cm, l = dm * dm * dm;
constexpr Size g{}, kg = TenTo(3) * g;
// From the byte up each step is 1024 times the last: the sizes the operating
// system shows, not the decimal ones.
constexpr Size bit{}, byte = Times(8) * bit, kilobyte = Times(1024) * byte,
               megabyte = Times(1024) * kilobyte, gigabyte = Times(1024) * megabyte;

// x * 10^n for n >= 0. Every power up to 10^22 is a double exactly
// (5^22 < 2^53) and repeated multiplication reaches it without rounding; a
// larger power is taken in two exact parts, so 1 * 10^n is still rounded
// only once.
double TimesTenTo(double x, int n) {
  double p = 1;
  for (int i = 0; i < n && i < 22; ++i) p *= 10;
  return n > 22 ? TimesTenTo(x * p, n - 22) : x * p;
}

// The source's size divided by the target's. The counts' products are small
// whole numbers, exact, and the power of ten goes whole to one side, so the
// factor is one rounded division: the double nearest the true ratio. Only a
// factor below 10^-22 (the far ends of the areas and volumes) has its
// divisor rounded first; it puts every result below 10^-10, written with its
// power of ten, where that last bit never shows.
double Factor(Size from, Size to) {
  double top = from.num * to.den;
  double bottom = from.den * to.num;
  const int k = from.power - to.power;
  if (k >= 0) {
    top = TimesTenTo(top, k);
  } else {
    bottom = TimesTenTo(bottom, -k);
  }
  return top / bottom;
}

struct Unit {
  std::string_view entry;  // as the lists show it
  Size size;
};

// A category as the lists show it, with its units' sizes in the same order.
struct Table {
  Category category;
  std::vector<Size> sizes;
};

Table MakeTable(std::string_view name, std::initializer_list<Unit> units) {
  Table table{{name, {}}, {}};
  for (const Unit& unit : units) {
    table.category.units.push_back(unit.entry);
    table.sizes.push_back(unit.size);
  }
  return table;
}

// The five categories that differ only in their base unit: milli, the base,
// kilo, mega, giga.
Table Prefixed(std::string_view name, const std::array<std::string_view, 5>& entries) {
  constexpr std::array<Size, 5> kPrefixes = {TenTo(-3), TenTo(0), TenTo(3), TenTo(6), TenTo(9)};
  Table table{{name, {entries.begin(), entries.end()}}, {}};
  table.sizes.assign(kPrefixes.begin(), kPrefixes.end());
  return table;
}

// Built on first use: the window's description asks for the names while
// the program's statics are still being made.
const std::array<Table, CategoryCount>& Tables() {
  static const std::array<Table, CategoryCount> tables = {
      MakeTable("Dĺžkové jednotky", {{"Nanometer nm", nm},
                                     {"Mikrometer um", um},
                                     {"Milimeter mm", mm},
                                     {"Centimeter cm", cm},
                                     {"Decimeter dm", dm},
                                     {"Meter m", m},
                                     {"Kilometer km", km}}),
      MakeTable("Plošné jednotky", {{"Nanometer štvorcový nm2", nm * nm},
                                    {"Mikrometer štvorcový um2", um * um},
                                    {"Milimeter štvorcový mm2", mm * mm},
                                    {"Centimeter štvorcový cm2", cm * cm},
                                    {"Meter štvorcový m2", m * m},
                                    {"Kilometer štvorcový km2", km * km},
                                    {"Ár a", TenTo(2) * m * m},
                                    {"Hektár ha", TenTo(4) * m * m}}),
      MakeTable("Kubické jednotky", {{"Nanometer kubický nm3", nm * nm * nm},
                                     {"Mikrometer kubický um3", um * um * um},
                                     {"Milimeter kubický mm3", mm * mm * mm},
                                     {"Centimeter kubický cm3", cm * cm * cm},
                                     {"Meter kubický m3", m * m * m},
                                     {"Kilometer kubický km3", km * km * km},
                                     {"Mililiter ml", ml},
                                     {"Centiliter cl", TenTo(1) * ml},
                                     {"Deciliter dl", TenTo(2) * ml},
                                     {"Liter l", l},
                                     {"Hektoliter hl", TenTo(2) * l}}),
      MakeTable("Hmotnosť", {{"gram g", g}, {"kilogram kg", kg}, {"tona t", TenTo(3) * kg}}),
      Prefixed("Výkon", {"Miliwatt mW", "Watt W", "KiliWatt KW", "MegaWatt MW", "GigaWatt GW"}),
      Prefixed("Sila",
               {"MiliNewton mN", "Newton N", "KiloNewton KN", "MegaNewton MN", "GigaNewton GN"}),
      Prefixed("Napätie", {"MiliVolt mV", "Volt V", "KiloVolt KV", "MegaVolt MV", "GigaVolt GV"}),
      Prefixed("Prúd",
               {"MiliAmpér mA", "Ampér A", "KiloAmpér KA", "MegaAmpér MA", "GigaAmpér GA"}),
      Prefixed("Tlak",
               {"MiliPascal mPa", "Pascal Pa", "KiloPascal KPa", "MegaPascal MPa", "GigaPascal GPa"}),
      MakeTable("Rýchlosť", {{"m/s", m / second},
                             {"m/min", m / minute},
                             {"m/h", m / hour},
                             {"km/h", km / hour},
                             {"km/min", km / minute},
                             {"km/s", km / second}}),
      MakeTable("Bajty", {{"Bit b", bit},
                          {"Bajt B", byte},
                          {"Kilobajt KB", kilobyte},
                          {"Megabajt MB", megabyte},
                          {"Gigabajt GB", gigabyte},
                          {"Terabajt TB", Times(1024) * gigabyte}}),
  };
  return tables;
}

// A category or unit outside the lists reads as the first.
std::size_t Position(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count ? static_cast<std::size_t>(index)
                                                               : 0;
}

const Table& TableAt(int category) {
  return Tables()[Position(category, CategoryCount)];
}

constexpr std::string_view kMissing = "Nezadali ste žiadnu hodnotu.";
constexpr std::string_view kBigNumbers = "Zadali ste veľké čísla. Zadajte menšie.";

// Written whole: 6 places, or the result's own power of ten outside
// 0.00001 … 9999999999.999.
std::string ResultText(double r) {
  if (r > 9999999999.999 || r < 0.00001) return FormatScientific(r);
  return RoundValue(r, FixedPlaces);
}

// The value as the pupil typed it, so that both sides state one quantity:
// the digits up to where reading the number stops (a second point), without
// the zeros that say nothing (before the first digit, and after the last
// one past the point) and without a bare point. ".5" reads "0.5", as the
// right side writes a number below 1. A text the key filter never leaves in
// the field (a sign, an exponent) is written rounded up to six places.
std::string ValueText(std::string_view text) {
  constexpr std::size_t npos = std::string_view::npos;
  if (text.find_first_not_of("0123456789.") != npos) return RoundNumberText(text, FixedPlaces);
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view part = point == npos ? std::string_view() : text.substr(point + 1);
  part = part.substr(0, part.find('.'));
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  const std::size_t last = part.find_last_not_of('0');
  part = last == npos ? std::string_view() : part.substr(0, last + 1);
  const std::string shown = whole.empty() ? "0" : std::string(whole);
  return part.empty() ? shown : Concat({shown, ".", part});
}

// The typed value and the units it goes between, each read from the lists
// once: a position the lists do not have (no form the window makes, but a
// form all the same) reads as the first entry.
struct Choice {
  std::string text;
  std::string_view from, to;  // the symbols
  double factor;
};

Verdict Refuse(std::string_view text) {
  Verdict verdict;
  verdict.refusal = ErrorRefusal(text);
  return verdict;
}

Choice ChoiceOf(const FormInputs& in) {
  const Table& table = TableAt(in.mode);
  const std::size_t count = table.sizes.size();
  const std::size_t from = Position(in.List(From), count);
  const std::size_t to = Position(in.List(To), count);
  return {.text = std::string(FirstCharacters(in.Text(Value), FieldLimit)),
          .from = Symbol(table.category.units[from]),
          .to = Symbol(table.category.units[to]),
          .factor = Factor(table.sizes[from], table.sizes[to])};
}

}  // namespace

const Category& CategoryAt(int index) { return TableAt(index).category; }

UnitList CategoryNames() {
  static const std::array<std::string_view, CategoryCount> names = [] {
    std::array<std::string_view, CategoryCount> all{};
    for (int i = 0; i < CategoryCount; ++i) all[static_cast<std::size_t>(i)] = CategoryAt(i).name;
    return all;
  }();
  return ListOf(names);
}

UnitList UnitsOf(int category) {
  const std::vector<std::string_view>& units = CategoryAt(category).units;
  return {units.data(), static_cast<int>(units.size())};
}

std::string_view Symbol(std::string_view entry) {
  const std::size_t blank = entry.rfind(' ');
  return blank == std::string_view::npos ? entry : entry.substr(blank + 1);
}

double ConversionFactor(int category, int from, int to) {
  const Table& table = TableAt(category);
  const std::size_t count = table.sizes.size();
  return Factor(table.sizes[Position(from, count)], table.sizes[Position(to, count)]);
}

Verdict Check(const FormInputs& in) {
  const Choice c = ChoiceOf(in);
  if (c.text.empty()) return Refuse(kMissing);
  const double f = c.factor;
  const double v = ParseNumber(c.text);
  // Towards a larger unit the value itself is bounded; otherwise the result
  // stays at or below 10^22. Larger is told by the sizes: the areas, volumes
  // and speeds are not listed in order of size.
  const double limit = f < 1 ? BigNumberLimit : 1e22 / f;
  // A text that reads as an infinity (it can be pasted) is no number to show.
  if (!std::isfinite(v) || !(v <= limit)) return Refuse(kBigNumbers);
  return {};
}

DrawSteps Draw(const FormInputs& in, int, int) {
  DrawSteps steps;
  const Choice c = ChoiceOf(in);
  const double r = ParseNumber(c.text) * c.factor;
  steps.Origin(12, 200);
  steps.Line(Concat({ValueText(c.text), c.from, " = ", ResultText(r), c.to}));
  return steps;
}

const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 502,
                          .tooBigText = kBigNumbers,
                          .language = PlacesLanguage::Slovak};

}  // namespace prolexa::mernika
