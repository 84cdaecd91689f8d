#include "rezeze_solver.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "number_text.h"
#include "utf.h"

namespace prolexa::rezeze {
namespace {

constexpr int kOriginLeft = 12;
constexpr int kOriginTop = 240;

// The inputs of rows 1 to 4 in the result row's unit, and whether each was
// typed at all.
struct Values {
  std::array<double, 4> v{};
  std::array<bool, 4> given{};

  double operator[](int row) const { return v[static_cast<std::size_t>(row)]; }
  bool Given(int row) const { return given[static_cast<std::size_t>(row)]; }
};

// Unit texts of the lines: u follows a length, U an area or a volume (the
// unit with a superscript); both empty when units are not shown.
struct UnitTexts {
  std::string u;
  std::string U;
};

using Limits = std::vector<std::pair<double, std::string_view>>;
using Presence = std::optional<std::string_view> (*)(const Values&);
using LimitsOf = Limits (*)(const Values&);
using Solve = void (*)(const Values&, const UnitTexts&, NumberWriter&, DrawSteps&);

constexpr std::string_view kCz = BigNumbersMessage;
constexpr std::string_view kSk = SlovakBigNumbersMessage;

// π to two decimals, as the pupils' tables give it: every result but the
// circle's perimeter is computed with it. The lines spell it two ways, as the
// solutions have always shown it: with the pupils' decimal comma where a
// formula is first written out with their values, and with the point of the
// computed numbers where it stands among them.
constexpr double kPi = 3.14;
constexpr std::string_view kPiInFormula = "3,14";
constexpr std::string_view kPiAmongNumbers = "3.14";
// The circle's perimeter alone is computed with π to seven decimals, though
// its line writes "3,14".
constexpr double kFinerPi = 3.1415926;

// Presence checks, by shape.

std::optional<std::string_view> Square(const Values& x) {
  if (!x.Given(0)) return "Musíte zadat stranu čtverce a.";
  return std::nullopt;
}

std::optional<std::string_view> Rectangle(const Values& x) {
  if (!x.Given(0) && !x.Given(1)) return "Musíte zadat obě strany obdelníka.";
  if (!x.Given(0)) return "Musíte zadat stranu a.";
  if (!x.Given(1)) return "Musíte zadat stranu b.";
  return std::nullopt;
}

// A circle and a sphere take the radius or the diameter, never both.
std::optional<std::string_view> RadiusOrDiameter(const Values& x) {
  if (!x.Given(0) && !x.Given(1)) return "Musíte zadat poloměr r anebo průměr d.";
  if (x.Given(0) && x.Given(1)) return "Můžete zadat jen jednu hodnotu. Poloměr r anebo průměr d.";
  return std::nullopt;
}

// Three sides, for the triangle's perimeter and the prism.
std::optional<std::string_view> ThreeSides(const Values& x, std::string_view none) {
  const bool a = x.Given(0), b = x.Given(1), c = x.Given(2);
  if (!a && !b && !c) return none;
  if (!a && !b) return "Musíte zadat stranu a a stranu b.";
  if (!a && !c) return "Musíte zadat stranu a a stranu c.";
  if (!b && !c) return "Musíte zadat stranu b a stranu c.";
  if (!a) return "Musíte zadat stranu a.";
  if (!b) return "Musíte zadat stranu b.";
  if (!c) return "Musíte zadat stranu c.";
  return std::nullopt;
}

std::optional<std::string_view> TriangleSides(const Values& x) {
  return ThreeSides(x, "Musíte zadat všechny tri strany trojúhelníka.");
}

std::optional<std::string_view> PrismSides(const Values& x) {
  return ThreeSides(x, "Musíte zadat všechny tri strany hranolu.");
}

std::optional<std::string_view> TriangleArea(const Values& x) {
  if (!x.Given(0) && !x.Given(1)) return "Musíte zadat obě hodnoty trojúhelníka.";
  if (!x.Given(0)) return "Musíte zadat stranu a.";
  if (!x.Given(1)) return "Musíte zadat výšku v.";
  return std::nullopt;
}

std::optional<std::string_view> Nothing(const Values&) { return std::nullopt; }

std::optional<std::string_view> Cube(const Values& x) {
  if (!x.Given(0)) return "Musíte zadat stranu kostky a.";
  return std::nullopt;
}

std::optional<std::string_view> Cylinder(const Values& x) {
  const bool r = x.Given(0), d = x.Given(1), v = x.Given(2);
  if (!r && !d && !v) return "Musíte zadat poloměr r anebo průměr d a výšku v.";
  if (!r && !d) return "Musíte zadat poloměr r anebo průměr d.";
  if (r && d && v) return "Můžete zadat jen jednu hodnotu. Poloměr r anebo průměr d.";
  if (r && d) return "Môžete zadat poloměr r anebo průměr d a musíte zadať výšku v válce.";
  if (!v) return "Musíte zadat výšku v.";
  return std::nullopt;
}

std::optional<std::string_view> Pyramid(const Values& x) {
  if (!x.Given(0) && !x.Given(1)) return "Musíte zadať obe strany ihlana.";
  if (!x.Given(0)) return "Musíte zadať stranu a.";
  if (!x.Given(1)) return "Musíte zadať výšku v.";
  return std::nullopt;
}

std::optional<std::string_view> Cone(const Values& x) {
  const bool r = x.Given(0), d = x.Given(1), h = x.Given(2);
  if (!r && !d && !h) return "Musíte zadať polomer r alebo priemer d a výšku v.";
  if (!r && !d) return "Musíte zadať polomer r alebo priemer d.";
  if (r && d && h) return "Môžete zadať iba jeden hodnotu. Polomer r alebo priemer d.";
  if (r && d) return "Môžete zadať polomer r alebo priemer d a musíte zadať výšku v.";
  if (!h) return "Musíte zadať výšku v.";
  return std::nullopt;
}

// An intermediate value of a line, with six decimals.
std::string S(NumberWriter& n, double x) { return n.Six(x); }

// Every exercise in one row: what the form shows of it (its title, the
// labels of its rows and what its result is), what its check asks of the
// inputs (which must be given, which values must stay under the size
// limit) and how its solution is written.
struct Row {
  Exercise form;
  Presence presence;
  LimitsOf limits;
  Solve solve;
};

const std::array<Row, ExerciseCount> kExercises = {{
    {.form = {.title = "Obvod čtverce",
              .labels = {"strana a", "obvod o"},
              .result = Result::Length},
     .presence = Square,
     .limits = [](const Values& x) -> Limits { return {{x[0], kCz}, {4 * x[0], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("o = 4 * a");
           s.Line(Concat({"o = 4 * ", S(n, x[0]), t.u}));
           s.Line("o = ", n.Result(4 * x[0]), t.u);
         }},
    {.form = {.title = "Obsah čtverce", .labels = {"strana a", "obsah S"}, .result = Result::Area},
     .presence = Square,
     .limits = [](const Values& x) -> Limits { return {{x[0], kCz}, {x[0] * x[0], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("S = a^");
           s.Line(Concat({"S = ", S(n, x[0]), "^", t.u}));
           s.Line("S = ", n.Result(x[0] * x[0]), t.U);
         }},
    {.form = {.title = "Obvod obdélníka",
              .labels = {"strana a", "strana b", "obvod o"},
              .result = Result::Length},
     .presence = Rectangle,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {2 * (x[0] + x[1]), kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("o = 2(a + b)");
           s.Line(Concat({"o = 2(", S(n, x[0]), t.u, " + ", S(n, x[1]), t.u, ")"}));
           s.Line(Concat({"o = 2 * ", S(n, x[0] + x[1]), t.u}));
           s.Line("o = ", n.Result(2 * (x[0] + x[1])), t.u);
         }},
    {.form = {.title = "Obsah obdélníka",
              .labels = {"strana a", "strana b", "obsah S"},
              .result = Result::Area},
     .presence = Rectangle,
     .limits =
         [](const Values& x) -> Limits { return {{x[0], kCz}, {x[1], kCz}, {x[0] * x[1], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("S = a * b");
           s.Line(Concat({"S = ", S(n, x[0]), t.u, " * ", S(n, x[1]), t.u}));
           s.Line("S = ", n.Result(x[0] * x[1]), t.U);
         }},
    {.form = {.title = "Obvod kruhu",
              .labels = {"poloměr r", "průměr d", "obvod o"},
              .result = Result::Length},
     .presence = RadiusOrDiameter,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {2 * kPi * x[0], kCz}, {kPi * x[1], kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           if (x.Given(0)) {
             s.Line("o = 2 * PI * r");
             s.Line(Concat({"o = 2 * ", kPiInFormula, " * ", S(n, x[0]), t.u}));
             s.Line("o = ", n.Result(2 * kFinerPi * x[0]), t.u);
           } else {
             s.Line("o = PI * d");
             s.Line(Concat({"o = ", kPiInFormula, " * ", S(n, x[1]), t.u}));
             s.Line("o = ", n.Result(kFinerPi * x[1]), t.u);
           }
         }},
    {.form = {.title = "Obsah kruhu",
              .labels = {"poloměr r", "průměr d", "obsah S"},
              .result = Result::Area},
     .presence = RadiusOrDiameter,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {kPi * x[0] * x[0], kCz},
                   {kPi * x[1] * x[1] * 0.25, kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           if (x.Given(0)) {
             s.Line("S = PI * r^");
             s.Line(Concat({"S = ", kPiInFormula, " * ", S(n, x[0]), "^", t.u}));
             s.Line(Concat({"S = ", kPiAmongNumbers, " * ", S(n, x[0] * x[0]), t.u}));
             s.Line("S = ", n.Result(kPi * x[0] * x[0]), t.U);
           } else {
             s.Line("S = |PI * d^||4|");
             s.Line(Concat({"S = |", kPiInFormula, " * ", S(n, x[1]), "^", t.u, "||4|"}));
             s.Line("S = ", n.Result(kPi * x[1] * x[1] * 0.25), t.U);
           }
         }},
    {.form = {.title = "Obvod trojúhelníka",
              .labels = {"strana a", "strana b", "strana c", "obvod o"},
              .result = Result::Length},
     .presence = TriangleSides,
     // The product, not the sum; b is not checked alone.
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[2], kCz}, {x[0] * x[1] * x[2], kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("o = a + b + c");
           s.Line(Concat(
               {"o = ", S(n, x[0]), t.u, " + ", S(n, x[1]), t.u, " + ", S(n, x[2]), t.u}));
           s.Line("o = ", n.Result(x[0] + x[1] + x[2]), t.u);
         }},
    {.form = {.title = "Obsah trojúhelníka",
              .labels = {"strana a", "výška v", "obsah S"},
              .result = Result::Area},
     .presence = TriangleArea,
     .limits = [](const Values& x) -> Limits { return {{0.5 * x[0] * x[1], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           // The formula names the base z; its value is the input of row 1.
           s.Line("S = |z * v||2|");
           s.Line(Concat({"S = |", S(n, x[0]), t.u, " * ", S(n, x[1]), t.u, "||2|"}));
           s.Line(Concat({"S = |", S(n, x[0] * x[1]), t.u, "||2|"}));
           s.Line("S = ", n.Result(0.5 * x[0] * x[1]), t.U);
         }},
    // The trapezium takes empty fields as 0; every number it writes is
    // checked whole by the writer.
    {.form = {.title = "Obvod lichoběžníka",
              .labels = {"strana a", "strana b", "strana c", "strana d", "obvod o"},
              .result = Result::Length},
     .presence = Nothing,
     .limits = [](const Values&) -> Limits { return {}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("o = a + b + c + d");
           s.Line(Concat({"o = ", S(n, x[0]), t.u, " + ", S(n, x[1]), t.u, " + ", S(n, x[2]),
                          t.u, " + ", S(n, x[3]), t.u}));
           s.Line("o = ", n.Result(x[0] + x[1] + x[2] + x[3]), t.u);
         }},
    {.form = {.title = "Obsah lichoběžníka",
              .labels = {"zakladna z1", "zakladna z2", "výška v", "obsah S"},
              .result = Result::Area},
     .presence = Nothing,
     .limits = [](const Values&) -> Limits { return {}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           // The mean of the two bases times the height.
           const double sum = x[0] + x[1];
           s.Line("S = |z1 + z2||2| * v");
           s.Line(Concat(
               {"S = |", S(n, x[0]), t.u, " + ", S(n, x[1]), t.u, "||2| * ", S(n, x[2]), t.u}));
           s.Line(Concat({"S = |", S(n, sum), t.u, "||2| * ", S(n, x[2]), t.u}));
           s.Line(Concat({"S = ", S(n, 0.5 * sum), t.u, " * ", S(n, x[2]), t.u}));
           s.Line("S = ", n.Result(0.5 * sum * x[2]), t.U);
         }},
    {.form = {.title = "Obsah kostky", .labels = {"strana a", "obsah S"}, .result = Result::Area},
     .presence = Cube,
     .limits = [](const Values& x) -> Limits { return {{x[0], kCz}, {6 * x[0] * x[0], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("S = 6 * a^");
           s.Line(Concat({"S = 6 * ", S(n, x[0]), "^", t.u}));
           s.Line(Concat({"S = 6 * ", S(n, x[0] * x[0]), t.u}));
           s.Line("S = ", n.Result(6 * x[0] * x[0]), t.U);
         }},
    {.form = {.title = "Objem kostky", .labels = {"strana a", "objem V"}, .result = Result::Volume},
     .presence = Cube,
     .limits =
         [](const Values& x) -> Limits { return {{x[0], kCz}, {x[0] * x[0] * x[0], kCz}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Superscript("3");
           s.Line("V = a^");
           s.Line(Concat({"V = ", S(n, x[0]), "^", t.u}));
           s.Line("V = ", n.Result(x[0] * x[0] * x[0]), t.U);
         }},
    {.form = {.title = "Obsah hranolu",
              .labels = {"strana a", "strana b", "strana c", "obsah S"},
              .result = Result::Area},
     .presence = PrismSides,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz},
                   {2 * (x[0] * x[1] + x[0] * x[2] + x[1] * x[2]), kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double ab = x[0] * x[1], ac = x[0] * x[2], bc = x[1] * x[2];
           s.Line("S = 2(ab + ac + bc)");
           s.Line(Concat({"S = 2(", S(n, x[0]), t.u, " * ", S(n, x[1]), t.u, " + ", S(n, x[0]),
                          t.u, " * ", S(n, x[2]), t.u, " + ", S(n, x[1]), t.u, " * ",
                          S(n, x[2]), t.u, ")"}));
           s.Line(Concat(
               {"S = 2(", S(n, ab), t.u, " + ", S(n, ac), t.u, " + ", S(n, bc), t.u, ")"}));
           s.Line(Concat({"S = 2 * ", S(n, ab + ac + bc), t.u}));
           s.Line("S = ", n.Result(2 * (ab + ac + bc)), t.U);
         }},
    {.form = {.title = "Objem hranolu",
              .labels = {"strana a", "strana b", "strana c", "objem V"},
              .result = Result::Volume},
     .presence = PrismSides,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {x[0] * x[1] * x[2], kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Line("V = a * b * c");
           s.Line(Concat(
               {"V = ", S(n, x[0]), t.u, " * ", S(n, x[1]), t.u, " * ", S(n, x[2]), t.u}));
           s.Superscript("3");
           s.Line("V = ", n.Result(x[0] * x[1] * x[2]), t.U);
         }},
    {.form = {.title = "Obsah válce",
              .labels = {"poloměr r", "průměr d", "výška v", "obsah S"},
              .result = Result::Area},
     .presence = Cylinder,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {2 * kPi * x[0] * (x[0] + x[2]), kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double r = x[0], d = x[1], v = x[2];
           if (x.Given(0)) {
             s.Line("S = 2 * PI * r * (r + v)");
             s.Line(Concat({"S = 2 * ", kPiInFormula, " * ", S(n, r), t.u, " * (", S(n, r), t.u,
                            " + ", S(n, v), t.u, ")"}));
             s.Line(Concat({"S = 2 * ", kPiInFormula, " * ", S(n, r), t.u, " * ", S(n, r + v),
                            t.u}));
             s.Line(Concat({"S = ", S(n, 2 * kPi * r), t.u, " * ", S(n, r + v), t.u}));
             s.Line("S = ", n.Result(2 * kPi * r * (r + v)), t.U);
           } else {
             s.Line("S = |2 * PI * d * v + PI * d^||2|");
             s.Line(Concat({"S = |2 * ", kPiInFormula, " * ", S(n, d), t.u, " * ", S(n, v), t.u,
                            " + ", kPiInFormula, " * ", S(n, d), "^", t.u, "||2|"}));
             s.Line(Concat(
                 {"S = |", S(n, 2 * kPi * d * v), t.u, " + ", S(n, kPi * d * d), t.u, "||2|"}));
             s.Line(Concat({"S = |", S(n, 2 * kPi * d * v + kPi * d * d), t.u, "||2|"}));
             s.Line("S = ", n.Result(0.5 * (2 * kPi * d * v + kPi * d * d)), t.U);
           }
         }},
    {.form = {.title = "Objem válce",
              .labels = {"poloměr r", "průměr d", "výška v", "objem V"},
              .result = Result::Volume},
     .presence = Cylinder,
     .limits =
         [](const Values& x) -> Limits {
           Limits limits = {
               {x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {2 * kPi * x[0] * (x[0] + x[2]), kCz}};
           if (!x.Given(0)) limits.push_back({kPi * x[1] * x[1] * 0.25, kSk});
           return limits;
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double r = x[0], d = x[1], v = x[2];
           if (x.Given(0)) {
             s.Line("V = PI * r^ * v");
             s.Line(Concat({"V = ", kPiInFormula, " * ", S(n, r), "^", t.u, " * ", S(n, v), t.u}));
             s.Line(Concat(
                 {"V = ", kPiAmongNumbers, " * ", S(n, r * r), t.u, " * ", S(n, v), t.u}));
             s.Superscript("3");
             s.Line("V = ", n.Result(kPi * r * r * v), t.U);
           } else {
             s.Line("V = |PI * d^||4| * v");
             s.Line(Concat(
                 {"V = |", kPiInFormula, " * ", S(n, d), "^", t.u, "||4| * ", S(n, v), t.u}));
             s.Superscript("3");
             s.Line("V = ", n.Result(kPi * d * d * 0.25 * v), t.U);
           }
         }},
    // The surface's last line keeps six places and the plain unit.
    {.form = {.title = "Obsah jehlanu",
              .labels = {"strana a", "výška v", "obsah S"},
              .result = Result::Area},
     .presence = Pyramid,
     .limits = [](const Values&) -> Limits { return {}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double a = x[0], side = x[1];
           s.Line("S = a^ + 2a * s");
           s.Line(Concat(
               {"S = ", S(n, a), "^", t.u, " + 2 * ", S(n, a), t.u, " * ", S(n, side), t.u}));
           s.Line(Concat({"S = ", S(n, a * a), t.u, " + ", S(n, 2 * a * side), t.u}));
           s.Line(Concat({"S = ", S(n, a * a + 2 * a * side), t.u}));
         }},
    {.form = {.title = "Objem jehlanu",
              .labels = {"strana a", "výška v", "objem V"},
              .result = Result::Volume},
     .presence = Pyramid,
     .limits = [](const Values& x) -> Limits { return {{x[0] * x[0] * x[1] / 3, kSk}}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double a = x[0], v = x[1];
           s.Line("V = |1||3| * a^ * v");
           s.Line(Concat({"V = |1||3| * ", S(n, a), "^", t.u, " * ", S(n, v), t.u}));
           s.Line(Concat({"V = |1||3| * ", S(n, a * a), t.u, " * ", S(n, v), t.u}));
           s.Line(Concat({"V = |1||3| * ", S(n, a * a * v), t.u}));
           s.Superscript("3");
           s.Line("V = ", n.Result(a * a * v / 3), t.U);
         }},
    {.form = {.title = "Obsah kužele",
              .labels = {"poloměr r", "průměr d", "strana s", "obsah S"},
              .result = Result::Area},
     .presence = Cone,
     .limits = [](const Values&) -> Limits { return {}; },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double r = x[0], d = x[1], side = x[2];
           if (x.Given(0)) {
             s.Line("S = pi * r * (r + s)");
             s.Line(Concat({"S = ", kPiAmongNumbers, " * ", S(n, r), t.u, " * (", S(n, r), t.u,
                            " + ", S(n, side), t.u, ")"}));
             s.Line(Concat(
                 {"S = ", kPiAmongNumbers, " * ", S(n, r), t.u, " * ", S(n, r + side), t.u}));
             s.Line(Concat({"S = ", S(n, kPi * r * (r + side)), t.u}));
           } else {
             s.Line("S = |1||2| * pi * d * s + |pi * d^||4|");
             s.Line(Concat({"S = |1||2| * ", kPiAmongNumbers, " * ", S(n, d), t.u, " * ",
                            S(n, side), t.u, " + |", kPiInFormula, " * ", S(n, d), "^", t.u,
                            "||4|"}));
             s.Line(Concat({"S = ", S(n, 0.5 * kPi * d * side), t.u, " + ",
                            S(n, 0.25 * kPi * d * d), t.u}));
             s.Line(Concat({"S = ", S(n, 0.5 * kPi * d * side + 0.25 * kPi * d * d), t.u}));
           }
         }},
    {.form = {.title = "Objem kužele",
              .labels = {"poloměr r", "průměr d", "výška v", "objem V"},
              .result = Result::Volume},
     .presence = Cone,
     .limits =
         [](const Values& x) -> Limits {
           if (x.Given(0)) return {{kPi * x[0] * x[0] * x[2] / 3, kSk}};
           return {{kPi * x[1] * x[1] * x[2] / 12, kSk}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           const double v = x[2];
           // The radius and the diameter differ only in their names and the
           // twelfth instead of the third.
           const bool radius = x.Given(0);
           const double q = radius ? x[0] : x[1];
           const std::string_view name = radius ? "r" : "d";
           const std::string_view share = radius ? "|1||3|" : "|1||12|";
           const double divisor = radius ? 3 : 12;
           s.Line(Concat({"V = ", share, " * PI * ", name, "^ * v"}));
           s.Line(Concat({"V = ", share, " * ", kPiInFormula, " * ", S(n, q), "^", t.u, " * ",
                          S(n, v), t.u}));
           s.Line(Concat({"V = ", share, " * ", kPiInFormula, " * ", S(n, q * q), t.u, " * ",
                          S(n, v), t.u}));
           s.Line(Concat({"V = ", share, " * ", S(n, kPi * q * q * v), t.u}));
           s.Superscript("3");
           s.Line("V = ", n.Result(kPi * q * q * v / divisor), t.U);
         }},
    {.form = {.title = "Obsah koule",
              .labels = {"poloměr r", "průměr d", "obsah S"},
              .result = Result::Area},
     .presence = RadiusOrDiameter,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz},
                   {x[1], kCz},
                   {4 * kPi * x[0] * x[0], kCz},
                   {kPi * x[1] * x[1], kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           if (x.Given(0)) {
             const double r = x[0];
             s.Line("S = 4 * PI * r^");
             s.Line(Concat({"S = 4 * ", kPiInFormula, " * ", S(n, r), "^", t.u}));
             s.Line(Concat({"S = 4 * ", kPiInFormula, " * ", S(n, r * r), t.u}));
             s.Line("S = ", n.Result(4 * kPi * r * r), t.U);
           } else {
             const double d = x[1];
             s.Line("S = PI * d^");
             s.Line(Concat({"S = ", kPiInFormula, " * ", S(n, d), "^", t.u}));
             s.Line(Concat({"S = ", kPiInFormula, " * ", S(n, d * d), t.u}));
             s.Line("S = ", n.Result(kPi * d * d), t.U);
           }
         }},
    {.form = {.title = "Objem koule",
              .labels = {"poloměr r", "průměr d", "objem V"},
              .result = Result::Volume},
     .presence = RadiusOrDiameter,
     .limits =
         [](const Values& x) -> Limits {
           return {{x[0], kCz},
                   {x[1], kCz},
                   {kPi * x[0] * x[0] * x[0], kCz},
                   {kPi * x[1] * x[1] * x[1] * 0.125, kCz}};
         },
     .solve =
         [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
           s.Superscript("3");
           if (x.Given(0)) {
             const double r = x[0];
             s.Line("V = |4||3| * PI * r^");
             s.Line(Concat({"V = |4||3| * ", kPiInFormula, " * ", S(n, r), "^", t.u}));
             s.Line(Concat({"V = |4||3| * ", kPiInFormula, " * ", S(n, r * r * r), t.u}));
             s.Line("V = ", n.Result((4.0 / 3) * kPi * r * r * r), t.U);
           } else {
             const double half = x[1] / 2;
             s.Line("V = |4||3| * PI * |d^||2^|");
             s.Line(Concat({"V = |4||3| * ", kPiInFormula, " * |", S(n, x[1]), "^||2^|", t.u}));
             s.Line(
                 Concat({"V = |4||3| * ", kPiInFormula, " * ", S(n, half * half * half), t.u}));
             s.Line("V = ", n.Result((4.0 / 3) * kPi * half * half * half), t.U);
           }
         }},
}};

// The row of an exercise; the first for an index out of range.
const Row& RowOf(int exercise) {
  return kExercises[static_cast<std::size_t>(exercise >= 0 && exercise < ExerciseCount ? exercise
                                                                                     : 0)];
}

Values ValuesOf(const FormInputs& in, const Exercise& exercise) {
  const int resultRow = exercise.Rows() - 1;
  const int to = in.List(static_cast<std::size_t>(resultRow));
  Values x;
  for (int row = 0; row < 4; ++row) {
    const std::string_view text =
        FirstCharacters(in.Text(static_cast<std::size_t>(row)), FieldLimit);
    const int from = in.List(static_cast<std::size_t>(row));
    double value = ParseNumber(text);
    // A row without a unit (none chosen) is taken as it is.
    if (LengthUnits.Has(from) && LengthUnits.Has(to)) value = ScaleDecimalUnit(value, from, to);
    x.v[static_cast<std::size_t>(row)] = value;
    x.given[static_cast<std::size_t>(row)] = row < resultRow && !text.empty();
  }
  return x;
}

UnitTexts UnitsOf(const FormInputs& in, const Exercise& exercise) {
  const int resultRow = exercise.Rows() - 1;
  const int unit = in.List(static_cast<std::size_t>(resultRow));
  if (!in.Option(ShowUnits) || !LengthUnits.Has(unit)) return {};
  const std::string u(LengthUnitNames[static_cast<std::size_t>(unit)]);
  // Perimeters are lengths; every other result carries its power.
  const bool perimeter = exercise.result == Result::Length;
  return {u, perimeter ? u : u + "^"};
}

// The solution at `places`, or nothing when one of its numbers cannot be
// written whole.
std::optional<DrawSteps> Compose(const FormInputs& in, int places) {
  const Row& row = RowOf(in.mode);
  NumberWriter n(places);
  DrawSteps steps;
  steps.Origin(kOriginLeft, kOriginTop);
  row.solve(ValuesOf(in, row.form), UnitsOf(in, row.form), n, steps);
  if (!n.AllWhole()) return std::nullopt;
  return steps;
}

}  // namespace

const Exercise& ExerciseAt(int index) {
  return RowOf(index).form;
}

Verdict Check(const FormInputs& in) {
  const Row& row = RowOf(in.mode);
  const Values x = ValuesOf(in, row.form);
  if (const auto missing = row.presence(x)) return {ErrorRefusal(*missing), 0};
  for (const auto& [value, message] : row.limits(x)) {
    if (TooBig(value)) return {ErrorRefusal(message), 0};
  }
  // Whatever the limits leave out, no number is shown cut or as "inf".
  std::optional<DrawSteps> steps = Compose(in, MostPlaces);
  if (!steps) return {ErrorRefusal(BigNumbersMessage), 0};
  return {std::nullopt, 0, std::move(steps)};
}

DrawSteps Draw(const FormInputs& in, int, int places) {
  const std::optional<DrawSteps> steps = Compose(in, std::clamp(places, 0, MostPlaces));
  return steps ? *steps : DrawSteps();
}

// The client area of the 650-pixel window, with room for the widest frame
// any Windows draws around it.
const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 634,
                          .tooBigText = BigNumbersMessage};

}  // namespace prolexa::rezeze
