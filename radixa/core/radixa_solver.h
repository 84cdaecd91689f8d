// The roots of a·x² + b·x + c = 0 from the three coefficient texts: the check
// made when the user computes, and the worked solution drawn on every repaint
// (the discriminant, then two real roots, one double root or two complex
// roots).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"
#include "solution.h"

namespace prolexa::radixa {

// A line with a fraction moves the next one 65 pixels down.
inline constexpr FormulaProfile Formulas{65};

// Characters a coefficient field holds; the window limits its three fields to
// this. The solver reads no more than this of a longer text, as the field
// would have kept it.
inline constexpr std::size_t CoefficientLimit = 11;

// The texts of the fields "hodnota a", "hodnota b" and "hodnota c" as captured
// at the last compute.
struct CoefficientTexts {
  std::string a;
  std::string b;
  std::string c;
};

struct CheckResult {
  bool valid = false;
  std::optional<Refusal> refusal;  // set exactly when not valid
  std::optional<DrawSteps> steps = std::nullopt;  // the solution at six places, when valid
};

inline constexpr std::string_view SomeValuesMissingMessage =
    "Nezadali jste všechny hodnoty. Musíte zadat všechny hodnoty.";
inline constexpr std::string_view NoValueMessage =
    "Nezadali jste ani jednu hodnotu. Musíte zadat všechny hodnoty.";
inline constexpr std::string_view NotQuadraticMessage =
    "Hodnota a nesmí být nula. Toto není kvadratická rovnice.";

// Checks the captured texts, first message that applies: a value missing, no
// value at all, b·b or the signed product (a·4)·c above BigNumberLimit, a
// coefficient a that is zero in six decimals, and lastly a worked solution
// that could not be written whole: a number that is not finite or whose
// six-decimal text exceeds 19 characters; the program has no message of its
// own for these, and the one about big numbers fits them. (Lines that would
// not fit the window are refused the same way by Compute.)
CheckResult CheckCoefficients(const CoefficientTexts& texts);

// The worked solution of accepted texts with the real roots rounded to
// `places` (0 to MostPlaces, the rounding edit's count at drawing time).
// Texts the check refuses give no steps.
DrawSteps DrawQuadraticSolution(const CoefficientTexts& texts, int places);

// "Všeobecný tvar: ax^ + bx + c = 0" over the foot of the header band.
DrawSteps DrawGeneralForm();

// The form's inputs in order: the texts of a, b and c.
enum Field { FieldA, FieldB, FieldC };
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
// The keypad minus types a sign.
inline constexpr std::array<KeyField, 3> FieldKeys = {
    KeyField::SignedNumber, KeyField::SignedNumber, KeyField::SignedNumber};

// The calculator as the kit runs it, on a window 750 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::radixa
