// The missing side of a right triangle (legs a and b, hypotenuse c) from the
// other two, and the six lines of its worked solution.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"
#include "solution.h"
#include "units.h"

namespace prolexa::trigona {

inline constexpr int DefaultUnit = Metres;

// A line with a fraction moves the next one 85 pixels down.
inline constexpr FormulaProfile Formulas{85};

// Which side the solution computes; NoSolution while nothing is shown.
enum SolutionState : int { NoSolution = -1, SideA = 0, SideB = 1, SideC = 2 };

// The texts of the three side edits as captured at the last compute.
struct SideTexts {
  std::string a;
  std::string b;
  std::string c;
};

// Selected entries of the unit lists; an index outside the list (a list
// left without selection) means no unit: no scaling and no unit text.
struct SideUnits {
  int a = DefaultUnit;
  int b = DefaultUnit;
  int c = DefaultUnit;
};

struct CheckResult {
  SolutionState state = NoSolution;
  std::optional<Refusal> refusal;  // set exactly when state is NoSolution
};

inline constexpr std::string_view AllSidesMessage =
    "Zadali jste všechny strany. Můžete zadať jenom dvě strany.";
inline constexpr std::string_view OneSideMessage =
    "Zadali jste jenom jednu stranu. Musíte zadat dvě strany.";
inline constexpr std::string_view NoSideMessage =
    "Nezadali jste ani jednu stranu. Musíte zadat dvě strany.";
inline constexpr std::string_view NotRightTriangleMessage = "Toto ne je pravoúhlí trojúhelník.";

// Checks the captured texts: exactly one side must be empty (it is the one
// sought), the known sides must stay under the size limit, and a sought leg
// needs a hypotenuse longer than the known leg.
CheckResult SolveRightTriangle(const SideTexts& sides, const SideUnits& units);

// The worked solution of an accepted state, from the texts, unit selections,
// show-units option and places as they stand when the solution is drawn.
DrawSteps DrawRightTriangleSolution(SolutionState state, const SideTexts& sides,
                                    const SideUnits& units, bool showUnits, int places);

// The triangle beside the fields, with the right angle at C: a is the
// vertical leg, b the horizontal one, c the hypotenuse.
DrawSteps DrawTriangleFigure();

// The form's inputs in order: the texts of sides a, b and c, their unit
// lists, and the show-units box.
enum Field { FieldA, FieldB, FieldC };
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
inline constexpr std::array<KeyField, 3> FieldKeys = {KeyField::Number, KeyField::Number,
                                                      KeyField::Number};
enum List { UnitA, UnitB, UnitC };
enum Option { ShowUnits };

// The calculator as the kit runs it, on a window 525 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::trigona
