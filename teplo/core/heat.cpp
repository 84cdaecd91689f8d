#include "heat.h"

#include <cmath>
#include <optional>
#include <string>

#include "number_text.h"
#include "utf.h"

namespace prolexa::zeraz {
namespace {

// The five quantities in joules, kilograms and degrees Celsius, and which
// were typed.
struct Quantities {
  std::array<double, 5> v{};
  std::array<bool, 5> given{};
  std::string heat, mass, temp;  // unit texts, empty when units are hidden

  double operator[](Field f) const { return v[static_cast<std::size_t>(f)]; }
};

Quantities QuantitiesOf(const FormInputs& in) {
  Quantities q;
  for (int f = Heat; f <= End; ++f) {
    const std::string_view text =
        FirstCharacters(in.Text(static_cast<std::size_t>(f)), FieldLimit);
    q.given[static_cast<std::size_t>(f)] = !text.empty();
    q.v[static_cast<std::size_t>(f)] = ParseNumber(text);
  }
  const auto list = [&in](List l) { return in.List(static_cast<std::size_t>(l)); };
  static constexpr double kHeat[] = {1, 1000, 1000000};
  static constexpr double kMass[] = {0.001, 1, 1000};
  const int heat = list(HeatUnit), mass = list(MassUnit);
  if (heat >= 0 && heat < 3) q.v[Heat] *= kHeat[heat];
  if (mass >= 0 && mass < 3) q.v[Mass] *= kMass[mass];
  // Kelvin to degrees Celsius.
  if (list(StartUnit) == 1) q.v[Start] -= 273.15;
  if (list(EndUnit) == 1) q.v[End] -= 273.15;
  if (in.Option(ShowUnits)) {
    q.heat = "J";
    q.mass = "kg";
    q.temp = "C";
  }
  return q;
}

bool Huge(double value) { return TooBig(std::fabs(value)); }

// The denominator and the result of the sought quantity.
struct Solved {
  double divisor = 1;
  double result = 0;
};

Solved Solve(const Quantities& q, int sought) {
  const double d = q[End] - q[Start];
  switch (sought) {
    case Heat:
      return {1, q[Capacity] * q[Mass] * d};
    case Mass:
      return {d * q[Capacity], q[Heat] / (d * q[Capacity])};
    case Capacity:
      return {d * q[Mass], q[Heat] / (d * q[Mass])};
    case Start:
      return {q[Mass] * q[Capacity], q[End] - q[Heat] / (q[Mass] * q[Capacity])};
    default:
      return {q[Mass] * q[Capacity], q[Start] + q[Heat] / (q[Mass] * q[Capacity])};
  }
}

// Whether the fraction of the sought quantity divides by a number its lines
// write as 0: the divisor itself, or one of its two factors, written with
// six decimals. The digits past the sixth place that the pupil never sees
// would otherwise make a huge result out of a written 0.
bool DividesByWrittenZero(const Quantities& q, int sought, double divisor) {
  const auto zero = [](double x) { return ReadFixed(x) == 0; };
  const double d = q[End] - q[Start];
  switch (sought) {
    case Heat:
      return false;
    case Mass:
      return zero(q[Capacity]) || zero(d) || zero(divisor);
    case Capacity:
      return zero(q[Mass]) || zero(d) || zero(divisor);
    default:
      return zero(q[Mass]) || zero(q[Capacity]) || zero(divisor);
  }
}

std::optional<DrawSteps> Compose(const Quantities& q, int sought) {
  NumberWriter n(MostPlaces);
  const auto six = [&n](double x) { return n.Six(x); };
  const double T = q[Heat], m = q[Mass], c = q[Capacity], t0 = q[Start], t1 = q[End];
  const double d = t1 - t0;
  const Solved s = Solve(q, sought);
  const std::string& H = q.heat;
  const std::string& M = q.mass;
  const std::string& C = q.temp;
  DrawSteps steps;
  steps.Origin(12, 300);
  switch (sought) {
    case Heat:
      steps.Line("T = m * c *(t1 - t0)");
      steps.Line(
          Concat({"T = ", six(m), M, " * ", six(c), " * (", six(t1), C, " - ", six(t0), C, ")"}));
      steps.Line(Concat({"T = ", six(m), M, " * ", six(c), " * ", six(d), C}));
      steps.Line(Concat({"T = ", six(s.result), H}));
      break;
    case Mass:
      steps.Line("m = |T||c *(t1 - t0)|");
      steps.Line(
          Concat({"m = |", six(T), H, "||", six(c), " * (", six(t1), C, " - ", six(t0), C, ")|"}));
      steps.Line(Concat({"m = |", six(T), H, "||", six(c), " * ", six(d), C, "|"}));
      steps.Line(Concat({"m = |", six(T), H, "||", six(s.divisor), "|"}));
      steps.Line(Concat({"m = ", six(s.result), M}));
      break;
    case Capacity:
      steps.Line("c = |T||m *(t1 - t0)|");
      steps.Line(
          Concat({"c = |", six(T), H, "||", six(m), " * (", six(t1), C, " - ", six(t0), C, ")|"}));
      steps.Line(Concat({"c = |", six(T), H, "||", six(m), M, " * ", six(d), C, "|"}));
      steps.Line(Concat({"c = |", six(T), H, "||", six(s.divisor), "|"}));
      steps.Line("c = " + six(s.result));
      break;
    default: {
      // The other temperature less or plus the change the heat makes.
      const bool start = sought == Start;
      const std::string x = start ? "t0" : "t1";
      const std::string op = start ? " - " : " + ";
      const double known = start ? t1 : t0;
      steps.Line(Concat({x, " = ", (start ? "t1" : "t0"), op, "|T||m * c|"}));
      steps.Line(Concat(
          {x, " = ", six(known), C, op, "|", six(T), H, "||", six(m), M, " * ", six(c), "|"}));
      steps.Line(Concat({x, " = ", six(known), C, op, "|", six(T), H, "||", six(s.divisor), "|"}));
      steps.Line(Concat({x, " = ", six(s.result), C}));
      break;
    }
  }
  if (!n.AllWhole()) return std::nullopt;
  return steps;
}

}  // namespace

Verdict Check(const FormInputs& in) {
  const Quantities q = QuantitiesOf(in);
  int empty = 0;
  for (bool given : q.given) empty += given ? 0 : 1;
  static constexpr std::string_view kCounts[] = {
      "Zadali ste všetky údaje. Môžete zadať iba štyri údaje.", "",
      "Zadali ste tri údaje. Musíte zadať štyri údaje.",
      "Zadali ste dve údaje. Musíte zadať štyri údaje.",
      "Zadali ste jeden údaj. Musíte zadať štyri údaje.",
      "Nezadali ste ani jeden údaj. Musíte zadať štyri údaje."};
  if (empty != 1) return {ErrorRefusal(kCounts[empty]), 0};
  int sought = Heat;
  while (q.given[static_cast<std::size_t>(sought)]) ++sought;
  for (int f = Heat; f <= End; ++f) {
    if (f != sought && Huge(q.v[static_cast<std::size_t>(f)])) {
      return {ErrorRefusal(BigNumbersMessage), 0};
    }
  }
  const Solved s = Solve(q, sought);
  if (DividesByWrittenZero(q, sought, s.divisor)) return {ErrorRefusal(ZeroDivisorMessage), 0};
  if (Huge(q[End] - q[Start]) || Huge(s.divisor) || Huge(s.result)) {
    return {ErrorRefusal(BigNumbersMessage), 0};
  }
  std::optional<DrawSteps> steps = Compose(q, sought);
  if (!steps) return {ErrorRefusal(BigNumbersMessage), 0};
  return {std::nullopt, sought, std::move(steps)};
}

DrawSteps Draw(const FormInputs& in, int sought, int) {
  const std::optional<DrawSteps> steps = Compose(QuantitiesOf(in), sought);
  return steps ? *steps : DrawSteps();
}

const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 709,
                          .tooBigText = BigNumbersMessage,
                          .language = PlacesLanguage::Slovak};

}  // namespace prolexa::zeraz
