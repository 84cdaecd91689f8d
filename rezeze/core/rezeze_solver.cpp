#include "rezeze_solver.h"

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

struct Entry {
  Exercise exercise;
  Presence presence;
  LimitsOf limits;
  Solve solve;
};

constexpr std::string_view kCz = BigNumbersMessage;
constexpr std::string_view kSk = SlovakBigNumbersMessage;

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

// The lines. «x» is n.Six(x), «x»N n.Result(x).

std::string S(NumberWriter& n, double x) { return n.Six(x); }

}  // namespace

int Exercise::Rows() const {
  int rows = 0;
  while (rows < RowCount && !labels[static_cast<std::size_t>(rows)].empty()) ++rows;
  return rows;
}

UnitList Exercise::ResultUnits() const {
  switch (result) {
    case Result::Area:
      return ListOf(AreaUnitNames);
    case Result::Volume:
      return ListOf(VolumeUnitNames);
    case Result::Length:
      break;
  }
  return LengthUnits;
}

namespace {

const std::array<Entry, ExerciseCount> kCatalogue = {{
    {{"Obvod čtverce", {"strana a", "obvod o"}, Result::Length}, Square,
     [](const Values& x) -> Limits { return {{x[0], kCz}, {4 * x[0], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("o = 4 * a");
       s.Line("o = 4 * " + S(n, x[0]) + t.u);
       s.Line("o = " + n.Result(4 * x[0]) + t.u);
     }},
    {{"Obsah čtverce", {"strana a", "obsah S"}, Result::Area}, Square,
     [](const Values& x) -> Limits { return {{x[0], kCz}, {x[0] * x[0], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("S = a^");
       s.Line("S = " + S(n, x[0]) + "^" + t.u);
       s.Line("S = " + n.Result(x[0] * x[0]) + t.U);
     }},
    {{"Obvod obdélníka", {"strana a", "strana b", "obvod o"}, Result::Length}, Rectangle,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {2 * (x[0] + x[1]), kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("o = 2(a + b)");
       s.Line("o = 2(" + S(n, x[0]) + t.u + " + " + S(n, x[1]) + t.u + ")");
       s.Line("o = 2 * " + S(n, x[0] + x[1]) + t.u);
       s.Line("o = " + n.Result(2 * (x[0] + x[1])) + t.u);
     }},
    {{"Obsah obdélníka", {"strana a", "strana b", "obsah S"}, Result::Area}, Rectangle,
     [](const Values& x) -> Limits { return {{x[0], kCz}, {x[1], kCz}, {x[0] * x[1], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("S = a * b");
       s.Line("S = " + S(n, x[0]) + t.u + " * " + S(n, x[1]) + t.u);
       s.Line("S = " + n.Result(x[0] * x[1]) + t.U);
     }},
    {{"Obvod kruhu", {"poloměr r", "průměr d", "obvod o"}, Result::Length}, RadiusOrDiameter,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {6.28 * x[0], kCz}, {3.14 * x[1], kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       if (x.Given(0)) {
         s.Line("o = 2 * PI * r");
         s.Line("o = 2 * 3,14 * " + S(n, x[0]) + t.u);
         s.Line("o = " + n.Result(6.2831852 * x[0]) + t.u);
       } else {
         s.Line("o = PI * d");
         s.Line("o = 3,14 * " + S(n, x[1]) + t.u);
         s.Line("o = " + n.Result(3.1415926 * x[1]) + t.u);
       }
     }},
    {{"Obsah kruhu", {"poloměr r", "průměr d", "obsah S"}, Result::Area}, RadiusOrDiameter,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {3.14 * x[0] * x[0], kCz},
               {3.14 * x[1] * x[1] * 0.25, kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       if (x.Given(0)) {
         s.Line("S = PI * r^");
         s.Line("S = 3,14 * " + S(n, x[0]) + "^" + t.u);
         s.Line("S = 3.14 * " + S(n, x[0] * x[0]) + t.u);
         s.Line("S = " + n.Result(3.14 * x[0] * x[0]) + t.U);
       } else {
         s.Line("S = |PI * d^||4|");
         s.Line("S = |3,14 * " + S(n, x[1]) + "^" + t.u + "||4|");
         s.Line("S = " + n.Result(3.14 * x[1] * x[1] * 0.25) + t.U);
       }
     }},
    {{"Obvod trojúhelníka", {"strana a", "strana b", "strana c", "obvod o"}, Result::Length},
     TriangleSides,
     // The product, not the sum; b is not checked alone.
     [](const Values& x) -> Limits { return {{x[0], kCz}, {x[2], kCz}, {x[0] * x[1] * x[2], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("o = a + b + c");
       s.Line("o = " + S(n, x[0]) + t.u + " + " + S(n, x[1]) + t.u + " + " + S(n, x[2]) + t.u);
       s.Line("o = " + n.Result(x[0] + x[1] + x[2]) + t.u);
     }},
    {{"Obsah trojúhelníka", {"strana a", "výška v", "obsah S"}, Result::Area}, TriangleArea,
     [](const Values& x) -> Limits { return {{0.5 * x[0] * x[1], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       // The formula names the base z; its value is the input of row 1.
       s.Line("S = |z * v||2|");
       s.Line("S = |" + S(n, x[0]) + t.u + " * " + S(n, x[1]) + t.u + "||2|");
       s.Line("S = |" + S(n, x[0] * x[1]) + t.u + "||2|");
       s.Line("S = " + n.Result(0.5 * x[0] * x[1]) + t.U);
     }},
    // The trapezium takes empty fields as 0; every number it writes is
    // checked whole by the writer.
    {{"Obvod lichoběžníka", {"strana a", "strana b", "strana c", "strana d", "obvod o"},
      Result::Length},
     Nothing, [](const Values&) -> Limits { return {}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("o = a + b + c + d");
       s.Line("o = " + S(n, x[0]) + t.u + " + " + S(n, x[1]) + t.u + " + " + S(n, x[2]) + t.u +
              " + " + S(n, x[3]) + t.u);
       s.Line("o = " + n.Result(x[0] + x[1] + x[2] + x[3]) + t.u);
     }},
    {{"Obsah lichoběžníka", {"zakladna z1", "zakladna z2", "výška v", "obsah S"}, Result::Area},
     Nothing, [](const Values&) -> Limits { return {}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       // Computed as the product of the bases, halved, times the height, as
       // the formula line says.
       s.Line("S = |z1 * z2||2| * v");
       s.Line("S = |" + S(n, x[0]) + t.u + " * " + S(n, x[1]) + t.u + "||2| * " + S(n, x[2]) +
              t.u);
       s.Line("S = |" + S(n, x[0] * x[1]) + t.u + "||2| * " + S(n, x[2]) + t.u);
       s.Line("S = " + S(n, 0.5 * x[0] * x[1]) + t.u + " * " + S(n, x[2]) + t.u);
       s.Line("S = " + n.Result(0.5 * x[0] * x[1] * x[2]) + t.U);
     }},
    {{"Obsah kostky", {"strana a", "obsah S"}, Result::Area}, Cube,
     [](const Values& x) -> Limits { return {{x[0], kCz}, {6 * x[0] * x[0], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("S = 6 * a^");
       s.Line("S = 6 * " + S(n, x[0]) + "^" + t.u);
       s.Line("S = 6 * " + S(n, x[0] * x[0]) + t.u);
       s.Line("S = " + n.Result(6 * x[0] * x[0]) + t.U);
     }},
    {{"Objem kostky", {"strana a", "objem V"}, Result::Volume}, Cube,
     [](const Values& x) -> Limits { return {{x[0], kCz}, {x[0] * x[0] * x[0], kCz}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Superscript("3");
       s.Line("V = a^");
       s.Line("V = " + S(n, x[0]) + "^" + t.u);
       s.Line("V = " + n.Result(x[0] * x[0] * x[0]) + t.U);
     }},
    {{"Obsah hranolu", {"strana a", "strana b", "strana c", "obsah S"}, Result::Area},
     PrismSides,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz},
               {2 * (x[0] * x[1] + x[0] * x[2] + x[1] * x[2]), kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double ab = x[0] * x[1], ac = x[0] * x[2], bc = x[1] * x[2];
       s.Line("S = 2(ab + ac + bc)");
       s.Line("S = 2(" + S(n, x[0]) + t.u + " * " + S(n, x[1]) + t.u + " + " + S(n, x[0]) + t.u +
              " * " + S(n, x[2]) + t.u + " + " + S(n, x[1]) + t.u + " * " + S(n, x[2]) + t.u +
              ")");
       s.Line("S = 2(" + S(n, ab) + t.u + " + " + S(n, ac) + t.u + " + " + S(n, bc) + t.u + ")");
       s.Line("S = 2 * " + S(n, ab + ac + bc) + t.u);
       s.Line("S = " + n.Result(2 * (ab + ac + bc)) + t.U);
     }},
    {{"Objem hranolu", {"strana a", "strana b", "strana c", "objem V"}, Result::Volume},
     PrismSides,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {x[0] * x[1] * x[2], kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Line("V = a * b * c");
       s.Line("V = " + S(n, x[0]) + t.u + " * " + S(n, x[1]) + t.u + " * " + S(n, x[2]) + t.u);
       s.Superscript("3");
       s.Line("V = " + n.Result(x[0] * x[1] * x[2]) + t.U);
     }},
    {{"Obsah válce", {"poloměr r", "průměr d", "výška v", "obsah S"}, Result::Area}, Cylinder,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {6.28 * x[0] * (x[0] + x[2]), kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double r = x[0], d = x[1], v = x[2];
       if (x.Given(0)) {
         s.Line("S = 2 * PI * r * (r + v)");
         s.Line("S = 2 * 3,14 * " + S(n, r) + t.u + " * (" + S(n, r) + t.u + " + " + S(n, v) +
                t.u + ")");
         s.Line("S = 2 * 3,14 * " + S(n, r) + t.u + " * " + S(n, r + v) + t.u);
         s.Line("S = " + S(n, 6.28 * r) + t.u + " * " + S(n, r + v) + t.u);
         s.Line("S = " + n.Result(6.28 * r * (r + v)) + t.U);
       } else {
         s.Line("S = |2 * PI * d * v + PI * d^||2|");
         s.Line("S = |2 * 3,14 * " + S(n, d) + t.u + " * " + S(n, v) + t.u + " + 3,14 * " +
                S(n, d) + "^" + t.u + "||2|");
         s.Line("S = |" + S(n, 6.28 * d * v) + t.u + " + " + S(n, 3.14 * d * d) + t.u + "||2|");
         s.Line("S = |" + S(n, 6.28 * d * v + 3.14 * d * d) + t.u + "||2|");
         s.Line("S = " + n.Result(0.5 * (6.28 * d * v + 3.14 * d * d)) + t.U);
       }
     }},
    {{"Objem válce", {"poloměr r", "průměr d", "výška v", "objem V"}, Result::Volume}, Cylinder,
     [](const Values& x) -> Limits {
       Limits limits = {{x[0], kCz}, {x[1], kCz}, {x[2], kCz}, {6.28 * x[0] * (x[0] + x[2]), kCz}};
       if (!x.Given(0)) limits.push_back({3.14 * x[1] * x[1] * 0.25, kSk});
       return limits;
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double r = x[0], d = x[1], v = x[2];
       if (x.Given(0)) {
         s.Line("V = PI * r^ * v");
         s.Line("V = 3,14 * " + S(n, r) + "^" + t.u + " * " + S(n, v) + t.u);
         s.Line("V = 3.14 * " + S(n, r * r) + t.u + " * " + S(n, v) + t.u);
         s.Superscript("3");
         s.Line("V = " + n.Result(3.14 * r * r * v) + t.U);
       } else {
         s.Line("V = |PI * d^||4| * v");
         s.Line("V = |3,14 * " + S(n, d) + "^" + t.u + "||4| * " + S(n, v) + t.u);
         s.Superscript("3");
         s.Line("V = " + n.Result(3.14 * d * d * 0.25 * v) + t.U);
       }
     }},
    // The surface's last line keeps six places and the plain unit.
    {{"Obsah jehlanu", {"strana a", "výška v", "obsah S"}, Result::Area}, Pyramid,
     [](const Values&) -> Limits { return {}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double a = x[0], side = x[1];
       s.Line("S = a^ + 2a * s");
       s.Line("S = " + S(n, a) + "^" + t.u + " + 2 * " + S(n, a) + t.u + " * " + S(n, side) + t.u);
       s.Line("S = " + S(n, a * a) + t.u + " + " + S(n, 2 * a * side) + t.u);
       s.Line("S = " + S(n, a * a + 2 * a * side) + t.u);
     }},
    {{"Objem jehlanu", {"strana a", "výška v", "objem V"}, Result::Volume}, Pyramid,
     [](const Values& x) -> Limits { return {{x[0] * x[0] * x[1] / 3, kSk}}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double a = x[0], v = x[1];
       s.Line("V = |1||3| * a^ * v");
       s.Line("V = |1||3| * " + S(n, a) + "^" + t.u + " * " + S(n, v) + t.u);
       s.Line("V = |1||3| * " + S(n, a * a) + t.u + " * " + S(n, v) + t.u);
       s.Line("V = |1||3| * " + S(n, a * a * v) + t.u);
       s.Superscript("3");
       s.Line("V = " + n.Result(a * a * v / 3) + t.U);
     }},
    {{"Obsah kužele", {"poloměr r", "průměr d", "strana s", "obsah S"}, Result::Area}, Cone,
     [](const Values&) -> Limits { return {}; },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double r = x[0], d = x[1], side = x[2];
       if (x.Given(0)) {
         s.Line("S = pi * r * (r + s)");
         s.Line("S = 3.14 * " + S(n, r) + t.u + " * (" + S(n, r) + t.u + " + " + S(n, side) +
                t.u + ")");
         s.Line("S = 3.14 * " + S(n, r) + t.u + " * " + S(n, r + side) + t.u);
         s.Line("S = " + S(n, 3.14 * r * (r + side)) + t.u);
       } else {
         s.Line("S = |1||2| * pi * d * s + |pi * d^||4|");
         s.Line("S = |1||2| * 3.14 * " + S(n, d) + t.u + " * " + S(n, side) + t.u + " + " +
                "|3,14 * " + S(n, d) + "^" + t.u + "||4|");
         s.Line("S = " + S(n, 0.5 * 3.14 * d * side) + t.u + " + " + S(n, 0.25 * 3.14 * d * d) +
                t.u);
         s.Line("S = " + S(n, 0.5 * 3.14 * d * side + 0.25 * 3.14 * d * d) + t.u);
       }
     }},
    {{"Objem kužele", {"poloměr r", "průměr d", "výška v", "objem V"}, Result::Volume}, Cone,
     [](const Values& x) -> Limits {
       if (x.Given(0)) return {{3.14 * x[0] * x[0] * x[2] / 3, kSk}};
       return {{3.14 * x[1] * x[1] * x[2] / 12, kSk}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       const double v = x[2];
       // The radius and the diameter differ only in their names and the
       // twelfth instead of the third.
       const bool radius = x.Given(0);
       const double q = radius ? x[0] : x[1];
       const std::string name = radius ? "r" : "d";
       const std::string share = radius ? "|1||3|" : "|1||12|";
       const double divisor = radius ? 3 : 12;
       s.Line("V = " + share + " * PI * " + name + "^ * v");
       s.Line("V = " + share + " * 3,14 * " + S(n, q) + "^" + t.u + " * " + S(n, v) + t.u);
       s.Line("V = " + share + " * 3,14 * " + S(n, q * q) + t.u + " * " + S(n, v) + t.u);
       s.Line("V = " + share + " * " + S(n, 3.14 * q * q * v) + t.u);
       s.Superscript("3");
       s.Line("V = " + n.Result(3.14 * q * q * v / divisor) + t.U);
     }},
    {{"Obsah koule", {"poloměr r", "průměr d", "obsah S"}, Result::Area}, RadiusOrDiameter,
     [](const Values& x) -> Limits {
       return {{x[0], kCz}, {x[1], kCz}, {12.56 * x[0] * x[0], kCz}, {3.14 * x[1] * x[1], kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       if (x.Given(0)) {
         const double r = x[0];
         s.Line("S = 4 * PI * r^");
         s.Line("S = 4 * 3,14 * " + S(n, r) + "^" + t.u);
         s.Line("S = 4 * 3,14 * " + S(n, r * r) + t.u);
         s.Line("S = " + n.Result(12.56 * r * r) + t.U);
       } else {
         const double d = x[1];
         s.Line("S = PI * d^");
         s.Line("S = 3,14 * " + S(n, d) + "^" + t.u);
         s.Line("S = 3,14 * " + S(n, d * d) + t.u);
         s.Line("S = " + n.Result(3.14 * d * d) + t.U);
       }
     }},
    {{"Objem koule", {"poloměr r", "průměr d", "objem V"}, Result::Volume}, RadiusOrDiameter,
     [](const Values& x) -> Limits {
       return {{x[0], kCz},
               {x[1], kCz},
               {3.14 * x[0] * x[0] * x[0], kCz},
               {3.14 * x[1] * x[1] * x[1] * 0.125, kCz}};
     },
     [](const Values& x, const UnitTexts& t, NumberWriter& n, DrawSteps& s) {
       s.Superscript("3");
       if (x.Given(0)) {
         const double r = x[0];
         s.Line("V = |4||3| * PI * r^");
         s.Line("V = |4||3| * 3,14 * " + S(n, r) + "^" + t.u);
         s.Line("V = |4||3| * 3,14 * " + S(n, r * r * r) + t.u);
         s.Line("V = " + n.Result((4.0 / 3) * 3.14 * r * r * r) + t.U);
       } else {
         const double half = x[1] / 2;
         s.Line("V = |4||3| * PI * |d^||2^|");
         s.Line("V = |4||3| * 3,14 * |" + S(n, x[1]) + "^||2^|" + t.u);
         s.Line("V = |4||3| * 3,14 * " + S(n, half * half * half) + t.u);
         s.Line("V = " + n.Result((4.0 / 3) * 3.14 * half * half * half) + t.U);
       }
     }},
}};

int ExerciseOf(const FormInputs& in) {
  return in.mode >= 0 && in.mode < ExerciseCount ? in.mode : 0;
}

Values ValuesOf(const FormInputs& in, const Exercise& exercise) {
  const int resultRow = exercise.Rows() - 1;
  const int to = in.List(static_cast<std::size_t>(resultRow));
  Values x;
  for (int row = 0; row < 4; ++row) {
    const std::string text = FirstCharacters(in.Text(static_cast<std::size_t>(row)), FieldLimit);
    const int from = in.List(static_cast<std::size_t>(row));
    double value = ParseNumber(text);
    // A row without a unit (none chosen) is taken as it is.
    if (LengthUnits.Has(from) && LengthUnits.Has(to)) value = ScaleDecimalUnit(value, from, to);
    x.v[static_cast<std::size_t>(row)] = value;
    x.given[static_cast<std::size_t>(row)] = row < resultRow && !text.empty();
  }
  return x;
}

UnitTexts UnitsOf(const FormInputs& in, int exercise) {
  const int resultRow = kCatalogue[static_cast<std::size_t>(exercise)].exercise.Rows() - 1;
  const int unit = in.List(static_cast<std::size_t>(resultRow));
  if (!in.Option(ShowUnits) || !LengthUnits.Has(unit)) return {};
  const std::string u(LengthUnitNames[static_cast<std::size_t>(unit)]);
  // Perimeters are lengths; every other result carries its power.
  const bool perimeter = exercise % 2 == 0 && exercise < 10;
  return {u, perimeter ? u : u + "^"};
}

// The solution at `places`, or nothing when one of its numbers cannot be
// written whole.
std::optional<DrawSteps> Compose(const FormInputs& in, int places) {
  const int exercise = ExerciseOf(in);
  const Entry& entry = kCatalogue[static_cast<std::size_t>(exercise)];
  NumberWriter n(places);
  DrawSteps steps;
  steps.Origin(kOriginLeft, kOriginTop);
  entry.solve(ValuesOf(in, entry.exercise), UnitsOf(in, exercise), n, steps);
  if (!n.AllWhole()) return std::nullopt;
  return steps;
}

}  // namespace

const Exercise& ExerciseAt(int index) {
  return kCatalogue[static_cast<std::size_t>(index >= 0 && index < ExerciseCount ? index : 0)]
      .exercise;
}

int PreviousExercise(int index) { return index <= 0 ? ExerciseCount - 1 : index - 1; }

int NextExercise(int index) { return index >= ExerciseCount - 1 ? 0 : index + 1; }

Verdict Check(const FormInputs& in) {
  const Entry& entry = kCatalogue[static_cast<std::size_t>(ExerciseOf(in))];
  const Values x = ValuesOf(in, entry.exercise);
  if (const auto missing = entry.presence(x)) return {ErrorRefusal(*missing), 0};
  for (const auto& [value, message] : entry.limits(x)) {
    if (TooBig(value)) return {ErrorRefusal(message), 0};
  }
  // Whatever the limits leave out, no number is shown cut or as "inf".
  if (!Compose(in, MostPlaces)) return {ErrorRefusal(BigNumbersMessage), 0};
  return {};
}

DrawSteps Draw(const FormInputs& in, int, int places) {
  const std::optional<DrawSteps> steps = Compose(in, places < 0 ? 0 : places > 6 ? 6 : places);
  return steps ? *steps : DrawSteps();
}

DrawSteps DrawShapeSketch(int exercise, Point offset) {
  DrawSteps figure;
  if (exercise < 0 || exercise >= ExerciseCount) return figure;
  const auto at = [offset](int x, int y) { return Point{x + offset.x, y + offset.y}; };
  const auto box = [offset](int l, int t, int r, int b) {
    return Box{l + offset.x, t + offset.y, r + offset.x, b + offset.y};
  };
  const auto lines = [&](std::initializer_list<std::array<int, 4>> segments) {
    for (const auto& s : segments) figure.Sketch(SketchItem::Line(at(s[0], s[1]), at(s[2], s[3])));
  };
  // The circle of radius 30 about (560, 130).
  const auto circle = [&] { figure.Sketch(SketchItem::Ellipse(box(530, 100, 591, 161))); };
  switch (exercise / 2) {
    case 0:  // square
      figure.Sketch(SketchItem::Polyline(
          {at(535, 100), at(595, 100), at(595, 160), at(535, 160), at(535, 100)}));
      break;
    case 1:  // rectangle
      figure.Sketch(SketchItem::Polyline(
          {at(515, 100), at(615, 100), at(615, 160), at(515, 160), at(515, 100)}));
      break;
    case 2:
      circle();
      break;
    case 3:  // triangle
      figure.Sketch(SketchItem::Polyline({at(515, 160), at(615, 160), at(580, 100), at(515, 160)}));
      break;
    case 4:  // trapezium
      lines({{515, 160, 615, 160}, {545, 100, 515, 160}, {615, 160, 585, 100}, {585, 100, 545, 100}});
      break;
    case 5:  // cube
      lines({{560, 115, 525, 103}, {560, 115, 595, 103}, {560, 115, 560, 162},
             {560, 162, 525, 150}, {525, 150, 525, 103}, {560, 162, 595, 150},
             {595, 103, 595, 150}, {595, 103, 560, 91}, {560, 91, 525, 103}});
      break;
    case 6:  // prism
      lines({{565, 105, 530, 93}, {530, 93, 551, 86}, {565, 105, 586, 98},
             {586, 98, 551, 86}, {565, 105, 565, 161}, {530, 93, 530, 149},
             {565, 161, 530, 149}, {586, 98, 586, 154}, {586, 154, 565, 161}});
      break;
    case 7:  // cylinder
      figure.Sketch(SketchItem::Ellipse(box(525, 90, 590, 110)));
      lines({{525, 100, 525, 150}, {589, 101, 589, 150}});
      figure.Sketch(SketchItem::Ellipse(box(525, 140, 590, 160)));
      break;
    case 8:  // pyramid
      lines({{560, 162, 525, 150}, {560, 162, 595, 150}, {560, 162, 560, 100},
             {525, 150, 560, 100}, {595, 150, 560, 100}});
      break;
    case 9:  // cone
      lines({{558, 100, 524, 149}, {558, 100, 590, 150}});
      figure.Sketch(SketchItem::Ellipse(box(525, 140, 590, 160)));
      break;
    default: {  // sphere: its outline and the lower half of an equator
      circle();
      // About (560, 115), from 190° round through the bottom to 10°.
      figure.Sketch(SketchItem::Arc(box(530, 85, 591, 146), at(265, 167), at(855, 63)));
      SketchItem gap = SketchItem::Line(at(590, 110), at(590, 123));
      gap.colour = 0xFFFFFF;
      figure.Sketch(gap);
      break;
    }
  }
  return figure;
}

// The client area of the 650-pixel window, with room for the widest frame
// any Windows draws around it.
const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 634,
                          .tooBigText = BigNumbersMessage};

}  // namespace prolexa::rezeze
