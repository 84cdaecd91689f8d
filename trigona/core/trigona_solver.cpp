#include "trigona_solver.h"

#include <cmath>

#include "number_text.h"

namespace prolexa::trigona {
namespace {

constexpr int kOriginLeft = 12;
constexpr int kOriginTop = 230;

bool IsUnit(int index) { return LengthUnits.Has(index); }

double Convert(double value, int from, int to) {
  if (!IsUnit(from) || !IsUnit(to)) return value;
  return ScaleDecimalUnit(value, from, to);
}

// The two known sides in the unit of the sought one: F is a leg, S the
// hypotenuse when a leg is sought, the second leg when c is.
struct KnownSides {
  double f;
  double s;
};

KnownSides Known(SolutionState state, const SideTexts& sides, const SideUnits& units) {
  const double a = ParseNumber(sides.a);
  const double b = ParseNumber(sides.b);
  const double c = ParseNumber(sides.c);
  switch (state) {
    case SideA:
      return {Convert(b, units.b, units.a), Convert(c, units.c, units.a)};
    case SideB:
      return {Convert(a, units.a, units.b), Convert(c, units.c, units.b)};
    default:
      return {Convert(a, units.a, units.c), Convert(b, units.b, units.c)};
  }
}

CheckResult Refuse(std::string_view text) { return {NoSolution, ErrorRefusal(text)}; }

SideTexts SidesOf(const FormInputs& in) {
  return {in.Text(FieldA), in.Text(FieldB), in.Text(FieldC)};
}

SideUnits UnitsOf(const FormInputs& in) { return {in.List(UnitA), in.List(UnitB), in.List(UnitC)}; }

Verdict Check(const FormInputs& in) {
  const CheckResult check = SolveRightTriangle(SidesOf(in), UnitsOf(in));
  return {check.refusal, check.state};
}

DrawSteps Draw(const FormInputs& in, int state, int places) {
  return DrawRightTriangleSolution(static_cast<SolutionState>(state), SidesOf(in), UnitsOf(in),
                                   in.Option(ShowUnits), places);
}

}  // namespace

CheckResult SolveRightTriangle(const SideTexts& sides, const SideUnits& units) {
  const int empty = static_cast<int>(sides.a.empty()) + static_cast<int>(sides.b.empty()) +
                    static_cast<int>(sides.c.empty());
  if (empty == 0) return Refuse(AllSidesMessage);
  if (empty == 2) return Refuse(OneSideMessage);
  if (empty == 3) return Refuse(NoSideMessage);

  const SolutionState state = sides.a.empty() ? SideA : sides.b.empty() ? SideB : SideC;
  const auto [f, s] = Known(state, sides, units);
  if (TooBig(f) || TooBig(s) || TooBig(f * f) || TooBig(s * s) || TooBig(f * f + s * s)) {
    return Refuse(BigNumbersMessage);
  }
  // A pasted negative leg can pass "hypotenuse longer than leg" and still
  // leave nothing under the root; the squares decide that.
  if (state != SideC && (!(s > f) || !(s * s > f * f))) {
    return Refuse(NotRightTriangleMessage);
  }
  return {state, std::nullopt};
}

DrawSteps DrawRightTriangleSolution(SolutionState state, const SideTexts& sides,
                                    const SideUnits& units, bool showUnits, int places) {
  DrawSteps steps;
  steps.Origin(kOriginLeft, kOriginTop);
  if (state == NoSolution) return steps;

  const int soughtUnit = state == SideA ? units.a : state == SideB ? units.b : units.c;
  const std::string u = showUnits && IsUnit(soughtUnit) ? std::string(LengthUnitNames[soughtUnit]) : "";
  const auto [f, s] = Known(state, sides, units);

  const bool leg = state != SideC;
  // P is written first: the hypotenuse when a leg is sought.
  const double p = leg ? s : f;
  const double q = leg ? f : s;
  const std::string x = state == SideA ? "a" : state == SideB ? "b" : "c";
  const std::string op = leg ? " - " : " + ";
  const double square = leg ? p * p - q * q : p * p + q * q;

  std::string second = RoundValue(q, FixedPlaces);
  if (q < 0) second = "(" + second + ")";
  const std::string squares = RoundValue(p * p, FixedPlaces) + u + op + RoundValue(q * q, FixedPlaces) + u;

  steps.Line(state == SideA   ? "a^ = c^ - b^"
             : state == SideB ? "b^ = c^ - a^"
                              : "c^ = a^ + b^");
  steps.Line(Concat({x, "^ = ", RoundValue(p, FixedPlaces), "^", u, op, second, "^", u}));
  steps.Line(Concat({x, "^ = ", squares}));
  steps.Line(Concat({x, " = @", squares, "@"}));
  // The sum is written as computed; only a difference is rounded up.
  steps.Line(Concat({x, " = @", RoundValue(square, leg ? FixedPlaces : 20), u, "@"}));
  steps.Line(x + " = ", PlacesNumber{std::sqrt(square), places}, u);
  return steps;
}

DrawSteps DrawTriangleFigure() {
  DrawSteps figure;
  figure.Sketch(SketchItem::Polyline({{350, 78}, {350, 150}, {452, 150}, {350, 78}}));
  const struct {
    const char* letter;
    Point at;
  } letters[] = {{"A", {448, 152}}, {"B", {346, 65}}, {"C", {346, 152}},
                 {"a", {340, 110}}, {"b", {395, 152}}, {"c", {400, 98}}};
  for (const auto& l : letters) figure.Sketch(SketchItem::Label(l.at, l.letter));
  return figure;
}

// The client area of the 525-pixel window, with room for the widest frame
// any Windows draws around it.
const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 509,
                          .tooBigText = BigNumbersMessage};

}  // namespace prolexa::trigona
